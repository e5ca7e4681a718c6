#!/usr/bin/env bash
# Checks the portable zip under Wine: unzipped into a folder with a name in Spanish, as onto a
# USB stick, its program checks the example that comes in it. Usage: check-portable.sh ZIP
# Needs WINEPREFIX set (scripts/package-windows runs it in its own Wine session).
set -uo pipefail
zip="$1"
folder=$(mktemp -d)/"Memoria USB Ñandú"
trap 'rm -rf "$(dirname "$folder")"' EXIT
mkdir -p "$folder"
unzip -q "$zip" -d "$folder"
program="$folder/KALDO 3.1/bin/kaldo-cli.exe"
example="$folder/KALDO 3.1/share/kaldo/ejemplos/taller-mecanico.kl3"
out=$(cd "$folder" && wine "$program" --verificar "$example" 2> /dev/null | tr -d '\r')
status=$?
if [[ $status -ne 0 ]] || ! grep -q "Talleres Mecánicos del Valle" <<< "$out"; then
    echo "MAL:  el programa del zip no verifica el ejemplo (estado $status)"
    exit 1
fi
echo "  bien: el programa del zip, en \"Memoria USB Ñandú\", verifica el ejemplo que trae"
