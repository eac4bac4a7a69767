# Checks that the generated version resource carries the project's version
# as the four numbers of the file version and as text.
#   cmake -DRC=razaduvovi.rc -P version_resource_check.cmake
file(READ "${RC}" text)
foreach(expected
    "FILEVERSION 4,284,54,16"
    "PRODUCTVERSION 4,284,54,16"
    "VALUE \"FileVersion\", \"4.284.54.16\\0\"")
  string(FIND "${text}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${RC} lacks: ${expected}")
  endif()
endforeach()
