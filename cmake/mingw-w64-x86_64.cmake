# Cross build for 64-bit Windows with Debian's MinGW-w64 (the posix thread
# model, g++-mingw-w64-x86-64-posix, for std::thread and friends):
#
#   cmake -S . -B build-windows -G Ninja \
#     -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DRAZ_ENGINE_ONLY=ON -DRAZ_BENCH=OFF
#
# The programs are linked statically, the C and C++ runtimes and the thread
# library included, so that an .exe runs on a bare Windows with nothing but
# the system's own DLLs. scripts/windows.sh builds with it and runs the
# results under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(RAZ_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${RAZ_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${RAZ_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${RAZ_MINGW_TRIPLET}-windres)

# Libraries, headers and CMake packages come from the target's tree only;
# programs (python3 for the table checks, the shell) from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${RAZ_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# What the target's tree does not have. GoogleTest is compiled from Debian's
# sources (package googletest) with this compiler; the two header-only
# libraries of the command line, CLI11 and nlohmann-json, are the build
# machine's headers, each through a folder of its own: -I/usr/include would
# put glibc's headers before MinGW's.
set(RAZ_GTEST_SOURCE_DIR /usr/src/googletest)
set(RAZ_HOST_HEADER_LIBRARIES "CLI11::CLI11=/usr/include/CLI;nlohmann_json::nlohmann_json=/usr/include/nlohmann")
