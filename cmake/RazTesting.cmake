# raz_add_widget_tests(<folder> SOURCES <files...> LIBRARIES <targets...> CLASSES <classes...>)
#
# One executable <folder>_widget_tests over the shared widget test main
# (offscreen, German locale, fixed clock), and one CTest test
# <folder>.<class> per Qt Test class, so that a failing class is named.
function(raz_add_widget_tests folder)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES;CLASSES" ${ARGN})
  set(executable ${folder}_widget_tests)
  add_executable(${executable} ${ARG_SOURCES})
  target_link_libraries(${executable} PRIVATE ${ARG_LIBRARIES} testsupport Qt6::Test)
  foreach(class IN LISTS ARG_CLASSES)
    add_test(NAME ${folder}.${class} COMMAND ${executable} ${class})
    set_tests_properties(${folder}.${class} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endforeach()
endfunction()

# raz_add_gtests(<executable> SOURCES <files...> LIBRARIES <targets...> [ENVIRONMENT <env>])
#
# A GoogleTest executable with its tests discovered into CTest.
function(raz_add_gtests executable)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES;ENVIRONMENT" ${ARGN})
  add_executable(${executable} ${ARG_SOURCES})
  target_link_libraries(${executable} PRIVATE ${ARG_LIBRARIES} GTest::gtest_main)
  raz_discover_gtests(${executable} "${ARG_ENVIRONMENT}")
endfunction()

# raz_discover_gtests(<executable> <env>)
#
# The tests of a GoogleTest executable into CTest, each its own. A cross
# build cannot run the executable to list them while building: there it is
# one test (scripts/windows.sh runs them under Wine).
function(raz_discover_gtests executable environment)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${executable} COMMAND ${executable})
  elseif(environment)
    gtest_discover_tests(${executable} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "${environment}")
  else()
    gtest_discover_tests(${executable} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
