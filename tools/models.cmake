# The Qt-free models of the tools panel and its pages, with their tests.
add_library(tools_models STATIC ${CMAKE_CURRENT_LIST_DIR}/models_anchor.cpp)
target_link_libraries(tools_models PUBLIC controls_models engine)

include(${CMAKE_CURRENT_LIST_DIR}/beam_models.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/pages_models.cmake)
