# The Qt-free models of the interest window, with their tests.
add_library(interest_models STATIC
  ${CMAKE_CURRENT_LIST_DIR}/version_model.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zins_model.cpp
)
target_link_libraries(interest_models PUBLIC engine)

add_executable(interest_model_tests
  ${CMAKE_CURRENT_LIST_DIR}/tests/version_model_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/zins_model_test.cpp
)
target_link_libraries(interest_model_tests PRIVATE interest_models GTest::gtest_main)
gtest_discover_tests(interest_model_tests DISCOVERY_TIMEOUT 60)
