#!/usr/bin/env bash
# Installs the Debian packages of the given lists (one name a line, # for comments) that are
# missing. Sourced by the build scripts.
install_missing_packages() {
    local missing=() package list
    for list in "$@"; do
        while read -r package; do
            [[ -z "$package" || "$package" == \#* ]] && continue
            dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
                missing+=("$package")
        done < "$list"
    done
    ((${#missing[@]})) || return 0
    echo "Instalando paquetes: ${missing[*]}"
    local sudo=""
    [[ $(id -u) -ne 0 ]] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}
