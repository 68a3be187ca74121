# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 GCC (posix
# threads, so std::thread and std::mutex work), linking everything statically:
# an .exe needs no DLL beside it. Libraries, headers and CMake or pkg-config
# packages are taken only from the prefix that scripts/build-windows-deps
# fills. Programs built here run through scripts/wine-run, so CTest and
# gtest_discover_tests can run them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_AR x86_64-w64-mingw32-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB x86_64-w64-mingw32-gcc-ranlib-posix CACHE FILEPATH "")

set(PHOTOPAGES_WINDOWS_PREFIX "${CMAKE_CURRENT_LIST_DIR}/../build-windows/deps/prefix"
    CACHE PATH "Prefix of the cross-built Windows libraries")
get_filename_component(PHOTOPAGES_WINDOWS_PREFIX "${PHOTOPAGES_WINDOWS_PREFIX}" ABSOLUTE)
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES PHOTOPAGES_WINDOWS_PREFIX)

set(CMAKE_FIND_ROOT_PATH "${PHOTOPAGES_WINDOWS_PREFIX}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# pkg-config sees the prefix's packages only, never the machine's.
set(ENV{PKG_CONFIG_LIBDIR} "${PHOTOPAGES_WINDOWS_PREFIX}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "")

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

get_filename_component(CMAKE_CROSSCOMPILING_EMULATOR
                       "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run" ABSOLUTE)
