# The panel models: target_sources(tools_models ...) and their tests.
target_sources(tools_models PRIVATE ${CMAKE_CURRENT_LIST_DIR}/beam_model.cpp)
add_executable(beam_model_tests ${CMAKE_CURRENT_LIST_DIR}/tests/beam_model_test.cpp)
target_link_libraries(beam_model_tests PRIVATE tools_models GTest::gtest_main)
gtest_discover_tests(beam_model_tests DISCOVERY_TIMEOUT 60)
