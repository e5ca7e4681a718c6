#!/usr/bin/env bash
# Builds Qt 6 for x86_64-w64-mingw32 from Debian's own qt6-base source package, the same version
# as the build machine's Qt, whose moc, rcc and uic the cross build uses (QT_HOST_PATH). Only
# what the program uses: Core, Gui, Widgets, PrintSupport, Test (for the tests), the windows,
# offscreen and minimal platform plugins, the Windows style and the image format plugins.
# Sourced by scripts/package-windows; needs $cache, $toolchain and the step function.
#
# Left out: network, SQL, D-Bus, examples and tests. Tablet events are off because Debian's
# source lacks src/3rdparty/wintab: a pen tablet works as a mouse only. Debian's source lacks
# src/3rdparty/iaccessible2 too, which Qt 6 no longer uses: accessibility stays on through UI
# Automation. OpenGL stays at Qt's default (dynamic), as the Windows platform plugin of 6.4
# does not build without it; the QtOpenGL libraries it brings are built but not shipped.
qt_prefix="$cache/qt6"

fetch_qt_source() {
    local version src="$cache/src"
    version=$(dpkg-query -W -f='${source:Upstream-Version}' libqt6core6)
    qt_source="$src/qt6-base-$version"
    [[ -d "$qt_source" ]] && return 0
    mkdir -p "$src"
    step "Descargando las fuentes de qt6-base $version" \
        bash -c "cd '$src' && apt-get source -qq 'qt6-base=$(dpkg-query -W -f='${Version}' libqt6core6)'"
}

build_qt() {
    [[ -e "$qt_prefix/.hecho" ]] && return 0
    local build="$cache/qt6-build"
    # One Qt build at a time: a second run while the first still compiles says so and stops.
    exec {qt_lock}> "$cache/qt6-build.lock"
    if ! flock -n "$qt_lock" || pgrep -f -- "ninja -C $build" > /dev/null; then
        echo "Qt para Windows se está compilando en otro proceso; su registro: $build/ninja.log"
        echo "Cuando termine, vuelva a ejecutar scripts/package-windows."
        exit 3
    fi
    fetch_qt_source
    step "Configurando Qt para Windows" cmake -G Ninja -S "$qt_source" -B "$build" \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$qt_prefix" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF \
        -DFEATURE_xml=OFF -DFEATURE_tabletevent=OFF -DFEATURE_vulkan=OFF -DFEATURE_zstd=OFF \
        -DFEATURE_icu=OFF -DFEATURE_sql=OFF -DFEATURE_testlib=ON -DFEATURE_printsupport=ON \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
        -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
        -DFEATURE_system_doubleconversion=OFF
    # The longest step (about an hour on two cores): at the lowest priority, so that it never
    # slows anyone else's work on a shared machine.
    step "Compilando Qt para Windows (registro: $build/ninja.log)" \
        bash -c "nice -n 19 ninja -C '$build' -j2 > '$build/ninja.log' 2>&1"
    step "Instalando Qt para Windows en $qt_prefix" cmake --install "$build"
    touch "$qt_prefix/.hecho"
}
