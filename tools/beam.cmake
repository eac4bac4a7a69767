# The panel and the deadline page: target_sources(tools ...) and their widget tests.
target_sources(tools PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/beam.cpp
  ${CMAKE_CURRENT_LIST_DIR}/beam.h
  ${CMAKE_CURRENT_LIST_DIR}/datediffpage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/datediffpage.h
  ${CMAKE_CURRENT_LIST_DIR}/deadlinepage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/deadlinepage.h
)
set(BEAM_WIDGET_TESTS TBeamTest)
add_executable(beam_widget_tests ${CMAKE_CURRENT_LIST_DIR}/tests/beam_test.cpp)
target_link_libraries(beam_widget_tests PRIVATE tools widget_test_main Qt6::Test)
foreach(test_class IN LISTS BEAM_WIDGET_TESTS)
  add_test(NAME tools.${test_class} COMMAND beam_widget_tests ${test_class})
  set_tests_properties(tools.${test_class} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endforeach()
