# The program pages: target_sources(tools ...) and their widget tests.
target_sources(tools PRIVATE ${CMAKE_CURRENT_LIST_DIR}/pages.cpp)
