# The page models: target_sources(tools_models ...) and their tests.
target_sources(tools_models PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/formatpages_model.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sysinfo_model.cpp
)

add_executable(tools_page_model_tests
  ${CMAKE_CURRENT_LIST_DIR}/tests/formatpages_model_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/sysinfo_model_test.cpp
)
target_link_libraries(tools_page_model_tests PRIVATE tools_models GTest::gtest_main)
gtest_discover_tests(tools_page_model_tests DISCOVERY_TIMEOUT 60)
