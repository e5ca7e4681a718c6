#!/usr/bin/env bash
# Installs the Debian packages that are missing and builds the program and its tests in build/.
# Sourced by scripts/run and scripts/test; not meant to be called on its own.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

missing=()
while read -r package; do
    [[ -z "$package" || "$package" == \#* ]] && continue
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done < "$root/scripts/packages.txt"

if ((${#missing[@]})); then
    echo "Instalando paquetes: ${missing[*]}"
    sudo=""
    [[ $(id -u) -ne 0 ]] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > "$root/build.log" 2>&1 || {
    cat "$root/build.log"
    exit 1
}
cmake --build "$root/build" -j2 >> "$root/build.log" 2>&1 || {
    grep -E "error|Error" "$root/build.log" | head -40
    echo "La compilación ha fallado; véase build.log"
    exit 1
}
