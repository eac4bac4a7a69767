# The program pages: target_sources(tools ...) and their widget tests.
target_sources(tools PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/pages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pagewidgets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/clockpage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/workhourspage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/isinpage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sysinfopage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/formatpages.cpp
)

# Widget tests of the pages: one executable with the shared main, each test
# class its own CTest test.
set(TOOLS_PAGE_TESTS TClockPageTest TWorkHoursPageTest TIsinPageTest TSysInfoPageTest
  TFormatPagesTest)
add_executable(tools_page_tests
  ${CMAKE_CURRENT_LIST_DIR}/tests/clockpage_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/workhourspage_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/isinpage_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/sysinfopage_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/formatpages_test.cpp
)
target_link_libraries(tools_page_tests PRIVATE tools widget_test_main Qt6::Test)
foreach(test_class IN LISTS TOOLS_PAGE_TESTS)
  add_test(NAME tools.${test_class} COMMAND tools_page_tests ${test_class})
  set_tests_properties(tools.${test_class} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endforeach()

# The gallery shows the pages too.
target_link_libraries(gallery PRIVATE tools)
