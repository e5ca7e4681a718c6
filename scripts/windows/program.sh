#!/usr/bin/env bash
# Cross-compiles the program and its tests against the cache's Qt and libraries, and runs the
# suite under Wine. Sourced by scripts/package-windows after build_qt; needs $root, $out,
# $cache, $prefix, $qt_prefix, $toolchain and the step function.

# The DLLs the programs need, for Wine to find without copying them: Qt's, the libraries',
# and MinGW's C++ runtime of the posix-thread compilers.
mingw_runtime="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")"
export WINEPATH="$qt_prefix/bin;$prefix/bin;$mingw_runtime;/usr/x86_64-w64-mingw32/lib"
export QT_PLUGIN_PATH="$qt_prefix/plugins"

# The Linux program of the same source, whose output the Windows one must match (the test
# windows.same_output_as_linux).
build_linux_program() {
    step "Compilando el programa para Linux, para comparar" cmake -S "$root" -B "$out/linux" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKALDO_BUILD_TESTS=OFF -DKALDO_BUILD_BENCHMARKS=OFF
    step "  (compilación)" nice -n 19 cmake --build "$out/linux" -j2 --target kaldo
}

build_program() {
    local build="$out/build"
    build_linux_program
    step "Configurando el programa para Windows" cmake -G Ninja -S "$root" -B "$build" \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DKALDO_WINDOWS_PREFIX="$prefix;$qt_prefix" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_CROSSCOMPILING_EMULATOR=wine -DCMAKE_BUILD_TYPE=Release \
        -DKALDO_BUILD_TESTS=ON -DKALDO_BUILD_BENCHMARKS=ON -DKALDO_LINUX_PROGRAM="$out/linux/bin/kaldo"
    step "Compilando kaldo.exe y las pruebas" nice -n 19 cmake --build "$build" -j2
    echo "$(date +%H:%M:%S) Ejecutando las pruebas bajo Wine"
    # Tests labelled linux-only check Linux's desktop and package (README, "Windows").
    (cd "$build" && QT_QPA_PLATFORM=offscreen ctest -j2 --timeout 600 -LE linux-only --output-on-failure \
        > "$out/tests.log" 2>&1) || {
        grep -E "tests passed|FAILED|Failed|\*\*\*" "$out/tests.log" | tail -40
        echo "Las pruebas han fallado bajo Wine; véase $out/tests.log"
        exit 1
    }
    grep "tests passed" "$out/tests.log"
}
