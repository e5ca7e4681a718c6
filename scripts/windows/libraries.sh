#!/usr/bin/env bash
# Builds the libraries besides Qt that the program and its tests need for Windows, into the
# cache's prefix: GoogleTest from the sources that libgtest-dev installs, zlib and libxlsxwriter
# from their Debian source packages, Google Benchmark from its own. Sourced by
# scripts/package-windows; needs $cache, $toolchain and the step function.
prefix="$cache/prefix"

# cmake_library NAME SOURCE [OPTIONS...]: configures, builds (at the lowest priority) and
# installs a CMake project into $prefix, once.
cmake_library() {
    local name="$1" source="$2" build="$cache/build-$1"
    [[ -e "$prefix/.hecho-$name" ]] && return 0
    step "Compilando $name para Windows" cmake -G Ninja -S "$source" -B "$build" \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DKALDO_WINDOWS_PREFIX="$prefix" "${@:3}"
    step "  (compilación de $name)" nice -n 19 cmake --build "$build" -j2
    step "  (instalación de $name)" cmake --install "$build"
    touch "$prefix/.hecho-$name"
}

# debian_source PACKAGE: unpacks the package's Debian source once; its folder in $source_dir.
debian_source() {
    local src="$cache/src" found
    mkdir -p "$src"
    found=$(find "$src" -maxdepth 1 -type d -name "$1-[0-9]*" | head -1)
    if [[ -z "$found" ]]; then
        echo "$(date +%H:%M:%S) Descargando las fuentes de $1"
        # The newest version first; a mirror may lack a security update's source, and then an
        # older version of the same suite does.
        local version
        for version in $(apt-cache showsrc "$1" | sed -n 's/^Version: //p' | sort -u -r -V); do
            (cd "$src" && apt-get source -qq "$1=$version") >> "$log" 2>&1 && break
        done
        found=$(find "$src" -maxdepth 1 -type d -name "$1-[0-9]*" | head -1)
        [[ -n "$found" ]] || { echo "No se obtienen las fuentes de $1 (véase $log)"; exit 1; }
    fi
    source_dir="$found"
}

build_gtest() {
    # Static, as the Linux build links it; gtest_disable_pthreads: MinGW's threads are not POSIX's.
    cmake_library googletest /usr/src/googletest -DBUILD_SHARED_LIBS=OFF -Dgtest_disable_pthreads=ON
}

# zlib as a static library, linked into libxlsxwriter's DLL: Debian's source leaves out win32/,
# which its DLL's resource file comes from. Qt has its own copy.
build_zlib() {
    [[ -e "$prefix/.hecho-zlib" ]] && return 0
    debian_source zlib
    local build="$cache/build-zlib"
    step "Compilando zlib para Windows" cmake -G Ninja -S "$source_dir" -B "$build" \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix"
    step "  (compilación de zlib)" nice -n 19 cmake --build "$build" -j2 --target zlibstatic
    mkdir -p "$prefix/lib" "$prefix/include"
    cp "$build/libzlibstatic.a" "$prefix/lib/libz.a"
    cp "$source_dir/zlib.h" "$build/zconf.h" "$prefix/include/"
    touch "$prefix/.hecho-zlib"
}

build_xlsxwriter() {
    debian_source libxlsxwriter
    cmake_library libxlsxwriter "$source_dir" -DBUILD_SHARED_LIBS=ON -DUSE_SYSTEM_MINIZIP=OFF \
        -DZLIB_ROOT="$prefix"
}

# Debian's source reads no version from git (its patch leaves GIT_VERSION empty): the project's
# own version is taken by naming git's "no version".
build_benchmark() {
    debian_source benchmark
    cmake_library benchmark "$source_dir" -DBUILD_SHARED_LIBS=OFF -DBENCHMARK_ENABLE_TESTING=OFF \
        -DBENCHMARK_ENABLE_GTEST_TESTS=OFF -DBENCHMARK_ENABLE_WERROR=OFF -DGIT_VERSION=0.0.0
}
