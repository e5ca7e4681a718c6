#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks one thing about the installed program:
#   runs_from_elsewhere  the installed kaldo finds its catalogue and checks a document from another folder
#   desktop_entry        the installed .desktop entry passes desktop-file-validate
#   document_type        *.kl3 files are recognised as application/x-kaldo once the MIME database knows the type
# Usage: installed_program_test.sh CHECK BUILD_DIR EXAMPLE_DOCUMENT
set -euo pipefail
check=$1 build=$2 example=$3

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" > "$scratch/install.log" || { cat "$scratch/install.log"; exit 1; }

fail() { echo "FAIL: $*" >&2; exit 1; }
skip_without() { command -v "$1" > /dev/null || { echo "skipped: $1 is not installed"; exit 77; }; }

case $check in
runs_from_elsewhere)
    for file in bin/kaldo share/kaldo/C31.TXT share/kaldo/manual.rtf share/applications/kaldo.desktop \
                share/mime/packages/kaldo.xml share/icons/hicolor/48x48/apps/kaldo.png \
                share/icons/hicolor/scalable/apps/kaldo.svg share/kaldo/ejemplos/taller-mecanico.kl3; do
        [[ -f $prefix/$file ]] || fail "$file is not installed"
    done
    if command -v chmcmd > /dev/null; then
        [[ -f $prefix/share/kaldo/kaldo31.chm ]] || fail "share/kaldo/kaldo31.chm is not installed"
    fi
    # A folder that holds neither the program nor its catalogue, with a name that needs quoting.
    work="$scratch/otra carpeta"
    mkdir -p "$work"
    cp "$example" "$work/empresa.kl3"
    cd "$work"
    output=$("$prefix/bin/kaldo" --verificar empresa.kl3) || fail "kaldo --verificar ended with status $?"
    grep -q "^E Talleres Mecánicos del Valle, S.L.$" <<< "$output" || fail "unexpected tree: $output"
    grep -q "C 13.- Ruido" <<< "$output" || fail "unexpected tree: $output"
    "$prefix/bin/kaldo" --help | grep -q -- "--verificar" || fail "kaldo --help lists no options"
    # Without its catalogue the program says so instead of working with an empty one.
    rm "$prefix/share/kaldo/C31.TXT"
    set +e
    "$prefix/bin/kaldo" --verificar empresa.kl3 > /dev/null 2> "$scratch/err"
    status=$?
    set -e
    [[ $status -eq 4 ]] || fail "status $status without the catalogue"
    grep -q "No se localiza el archivo C31.TXT" "$scratch/err" || fail "no message without the catalogue"
    ;;
desktop_entry)
    skip_without desktop-file-validate
    desktop-file-validate "$prefix/share/applications/kaldo.desktop"
    grep -q "^Exec=kaldo %f$" "$prefix/share/applications/kaldo.desktop" || fail "Exec line"
    grep -q "^MimeType=application/x-kaldo;$" "$prefix/share/applications/kaldo.desktop" || fail "MimeType line"
    ;;
document_type)
    skip_without update-mime-database
    skip_without xdg-mime
    data=$scratch/data
    mkdir -p "$data/mime/packages"
    cp "$prefix/share/mime/packages/kaldo.xml" "$data/mime/packages/"
    update-mime-database "$data/mime"
    cp "$example" "$scratch/empresa.kl3"
    printf 'text\n' > "$scratch/otro.txt"
    # The desktop-neutral lookup of xdg-mime, which reads the shared MIME database.
    type=$(env -u XDG_CURRENT_DESKTOP -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID XDG_DATA_HOME="$data" \
           xdg-mime query filetype "$scratch/empresa.kl3")
    [[ $type == application/x-kaldo ]] || fail "empresa.kl3 is $type"
    type=$(env -u XDG_CURRENT_DESKTOP XDG_DATA_HOME="$data" xdg-mime query filetype "$scratch/otro.txt")
    [[ $type == text/plain ]] || fail "otro.txt is $type"
    ;;
*)
    fail "unknown check $check"
    ;;
esac
echo "ok: $check"
