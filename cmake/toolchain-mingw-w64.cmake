# Cross-compiling for 64-bit Windows from Debian with MinGW-w64 (the posix-thread compilers,
# whose C++ library has std::thread and std::mutex). Used for Qt, zlib, libxlsxwriter and the
# program itself; scripts/package-windows passes the cache folder holding those as
# KALDO_WINDOWS_PREFIX, where find_package and pkg-config look first.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_AR ${triple}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${triple}-ranlib CACHE FILEPATH "")

# Libraries and headers of the target only, from the MinGW sysroot and the cache folder;
# programs (moc, rcc, python3) from the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${triple})
if(KALDO_WINDOWS_PREFIX)
    list(PREPEND CMAKE_FIND_ROOT_PATH ${KALDO_WINDOWS_PREFIX})
    list(PREPEND CMAKE_PREFIX_PATH ${KALDO_WINDOWS_PREFIX})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Try-compile and sub-builds see the same settings.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KALDO_WINDOWS_PREFIX)
