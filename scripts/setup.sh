#!/usr/bin/env bash
# Installs the Debian packages that are missing and builds the program and its tests in build/.
# Sourced by scripts/run and scripts/test; not meant to be called on its own.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

source "$root/scripts/install-packages.sh"
install_missing_packages "$root/scripts/packages.txt"

cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > "$root/build.log" 2>&1 || {
    cat "$root/build.log"
    exit 1
}
cmake --build "$root/build" -j2 >> "$root/build.log" 2>&1 || {
    grep -E "error|Error" "$root/build.log" | head -40
    echo "La compilación ha fallado; véase build.log"
    exit 1
}
