# The Qt-free models of the controls and their tests. They need the engine
# alone, so the engine-only build (and with it the command line, which shares
# the date edit's checks) has them too.
add_library(controls_models STATIC
  ${CMAKE_CURRENT_LIST_DIR}/date_model.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dateedt_model.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mocal_model.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sepedt_model.cpp
)
target_link_libraries(controls_models PUBLIC engine)

add_executable(controls_model_tests
  ${CMAKE_CURRENT_LIST_DIR}/tests/date_model_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/dateedt_model_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/mocal_model_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/sepedt_model_test.cpp
)
target_link_libraries(controls_model_tests PRIVATE controls_models GTest::gtest_main)
gtest_discover_tests(controls_model_tests DISCOVERY_TIMEOUT 60)
