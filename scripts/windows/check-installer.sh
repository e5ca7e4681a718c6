#!/usr/bin/env bash
# Checks the Windows installer under Wine as a user would use it: a silent install for the
# current user, the program run from where it was installed, the Start menu entry, the .kl3
# document type and the entry in "Aplicaciones"; then the uninstaller, which must remove all of
# that and leave the user's documents. Usage: check-installer.sh SETUP.EXE EXAMPLE.KL3
# Needs WINEPREFIX set (scripts/package-windows runs it in its own Wine session).
set -uo pipefail
setup="$1" example="$2"
failures=0
check() {  # check DESCRIPTION COMMAND...
    if "${@:2}" > /dev/null 2>&1; then echo "  bien: $1"; else echo "  MAL:  $1"; failures=$((failures + 1)); fi
}
win_var() { wine cmd /c "echo %$1%" 2> /dev/null | tr -d '\r'; }
reg_value() {  # reg_value KEY [VALUE]: the value's data, empty when missing
    local args=(query "$1")
    if [[ $# -gt 1 ]]; then args+=(/v "$2"); else args+=(/ve); fi
    wine reg "${args[@]}" 2> /dev/null | tr -d '\r' | sed -n 's/^ *[^ ].*REG_[A-Z_]* *//p' | head -1
}

local_app_data=$(winepath -u "$(win_var LOCALAPPDATA)" 2> /dev/null)
start_menu=$(winepath -u "$(win_var APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs" 2> /dev/null)
installed="$local_app_data/Programs/KALDO 3.1"
rm -rf "$installed"

echo "Instalación para el usuario (sin administrador), silenciosa:"
wine "$setup" /S
check "el programa está en %LOCALAPPDATA%\\Programs\\KALDO 3.1" test -f "$installed/bin/kaldo.exe"
check "con kaldo-cli.exe, qt.conf y la plataforma de Windows" \
    test -f "$installed/bin/kaldo-cli.exe" -a -f "$installed/bin/qt.conf" -a -f "$installed/bin/platforms/qwindows.dll"
check "con el catálogo, la ayuda, el manual y el ejemplo con sus fotos" test -f "$installed/share/kaldo/C31.TXT" \
    -a -f "$installed/share/kaldo/kaldo31.chm" -a -f "$installed/share/kaldo/manual.rtf" \
    -a -f "$installed/share/kaldo/ejemplos/taller-mecanico.kl3" -a -d "$installed/share/kaldo/ejemplos/taller-mecanico fotos"
check "con las fuentes y las traducciones de Qt" test -f "$installed/share/kaldo/fonts/DejaVuSans.ttf" \
    -a -f "$installed/share/kaldo/translations/qtbase_es.qm"
check "la entrada \"KALDO 3.1\" del menú Inicio" test -f "$start_menu/KALDO 3.1.lnk"
check "el tipo de documento .kl3" test "$(reg_value 'HKCU\Software\Classes\.kl3')" = "KALDO.Documento"
check "el documento se abre con el programa instalado" \
    grep -q 'KALDO 3.1\\bin\\kaldo.exe" "%1"' <<< "$(reg_value 'HKCU\Software\Classes\KALDO.Documento\shell\open\command')"
check "el icono propio del documento" \
    grep -q 'kaldo.exe",-2' <<< "$(reg_value 'HKCU\Software\Classes\KALDO.Documento\DefaultIcon')"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\KALDO 3.1'
check "la entrada de \"Aplicaciones\"" test "$(reg_value "$uninstall_key" DisplayName)" = "KALDO 3.1"

# The installed program, started from another folder, checks a copy of the example.
work=$(mktemp -d)
cp "$example" "$work/Evaluación Ñandú.kl3"
out=$(cd "$work" && wine "$installed/bin/kaldo-cli.exe" --verificar "Evaluación Ñandú.kl3" 2>&1 | tr -d '\r')
status=$?
check "el programa instalado verifica un documento (estado 0)" test "$status" -eq 0
check "y escribe en UTF-8 lo que lee (\"Gestión\" o el nombre del documento)" grep -q "Ñandú\|Gestión\|Taller" <<< "$out"

# Documents of the user's, one in the program's own folder: the uninstaller leaves both.
cp "$example" "$installed/mi evaluación.kl3"
echo "Desinstalación silenciosa:"
wine "$installed/desinstalar.exe" /S
for _ in $(seq 1 100); do [[ -e "$installed/bin" ]] || break; sleep 0.3; done
sleep 1
check "los archivos del programa ya no están" test ! -e "$installed/bin" -a ! -e "$installed/share"
check "el documento del usuario sigue donde estaba" test -f "$installed/mi evaluación.kl3"
check "ni la entrada del menú Inicio" test ! -e "$start_menu/KALDO 3.1.lnk"
check "ni el tipo de documento" test -z "$(reg_value 'HKCU\Software\Classes\KALDO.Documento\shell\open\command')"
check "ni la entrada de \"Aplicaciones\"" test -z "$(reg_value "$uninstall_key" DisplayName)"
rm -rf "$work" "$installed"
if ((failures)); then
    echo "El instalador tiene $failures fallos."
    exit 1
fi
echo "El instalador funciona."
