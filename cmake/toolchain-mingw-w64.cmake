# Cross-compiling for 64-bit Windows from Debian with MinGW-w64 (the posix-thread compilers,
# whose C++ library has std::thread and std::mutex). Used for Qt, zlib, libxlsxwriter,
# GoogleTest and the program itself. KALDO_WINDOWS_PREFIX lists the folders that hold those
# libraries built for Windows (scripts/package-windows passes its cache's), where find_package
# and pkg-config look, and nowhere on the build machine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_AR ${triple}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${triple}-ranlib CACHE FILEPATH "")

# Libraries and headers of the target only; programs (moc, rcc, python3) of the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${triple})
set(pkg_config_dirs "")
foreach(folder IN LISTS KALDO_WINDOWS_PREFIX)
    list(PREPEND CMAKE_FIND_ROOT_PATH ${folder})
    list(PREPEND CMAKE_PREFIX_PATH ${folder})
    string(APPEND pkg_config_dirs "${folder}/lib/pkgconfig:")
endforeach()
set(ENV{PKG_CONFIG_LIBDIR} "${pkg_config_dirs}")
set(ENV{PKG_CONFIG_PATH} "")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Try-compile and sub-builds see the same settings.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KALDO_WINDOWS_PREFIX)
