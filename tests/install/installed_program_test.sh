#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks one thing about the installed program:
#   runs_from_elsewhere  the installed kaldo finds its catalogue and checks a document from another folder
#   desktop_entry        the installed .desktop entry passes desktop-file-validate
#   document_type        *.kl3 files are recognised as application/x-kaldo once the MIME database knows the type
#   metainfo             the AppStream metadata validates and names the desktop entry and existing screenshots
#   manual_pages         each manual page renders without warnings and documents exactly the options and
#                        exit statuses that kaldo --help lists
#   debian_documents     the copyright file's patterns and licences hold, the changelog is compressed
# Usage: installed_program_test.sh CHECK BUILD_DIR EXAMPLE_DOCUMENT
set -euo pipefail
check=$1 build=$2 example=$3
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
app_id=invalid.torve.kaldo

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" > "$scratch/install.log" || { cat "$scratch/install.log"; exit 1; }

fail() { echo "FAIL: $*" >&2; exit 1; }
skip_without() { command -v "$1" > /dev/null || { echo "skipped: $1 is not installed"; exit 77; }; }

case $check in
runs_from_elsewhere)
    for file in bin/kaldo share/kaldo/C31.TXT share/kaldo/manual.rtf share/applications/$app_id.desktop \
                share/mime/packages/kaldo.xml share/icons/hicolor/48x48/apps/kaldo.png \
                share/icons/hicolor/scalable/apps/kaldo.svg share/kaldo/ejemplos/taller-mecanico.kl3 \
                share/metainfo/$app_id.metainfo.xml share/man/man1/kaldo.1.gz share/man/es/man1/kaldo.1.gz \
                share/doc/kaldo/copyright share/doc/kaldo/changelog.Debian.gz; do
        [[ -f $prefix/$file ]] || fail "$file is not installed"
    done
    # The example's photos beside it, every one its document lists.
    for photo in D-0001 D-0002 D-0003 D-0004 R-0001 R-0002; do
        [[ -f "$prefix/share/kaldo/ejemplos/taller-mecanico fotos/$photo.jpg" ]] ||
            fail "the example's photo $photo.jpg is not installed"
    done
    # The help window's pages: the contents, every chapter, its pictures and style.
    for file in kaldo31.hhc kaldo31.hhk presentacion.htm edicion.htm ayuda.htm estilo.css ventana.png; do
        [[ -f $prefix/share/kaldo/ayuda/$file ]] || fail "share/kaldo/ayuda/$file is not installed"
    done
    pages=$(ls "$source_dir"/docs/manual/*.md | wc -l)
    installed=$(ls "$prefix"/share/kaldo/ayuda/*.htm | wc -l)
    [[ $pages -eq $installed ]] || fail "$installed help pages installed for $pages manual pages"
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
    entry=$prefix/share/applications/$app_id.desktop
    desktop-file-validate "$entry"
    grep -q "^Exec=kaldo %f$" "$entry" || fail "Exec line"
    grep -q "^MimeType=application/x-kaldo;$" "$entry" || fail "MimeType line"
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
metainfo)
    skip_without appstreamcli
    metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
    appstreamcli validate --no-net "$metainfo"
    grep -q "<id>$app_id</id>" "$metainfo" || fail "the id is not $app_id"
    launchable=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")
    [[ -f $prefix/share/applications/$launchable ]] || fail "no desktop entry $launchable"
    # The pictures are published from docs/screenshots/, so each must be there under its name.
    images=$(grep -o '<image[^>]*>[^<]*</image>' "$metainfo" | sed 's|.*/\([^/<]*\)</image>|\1|')
    [[ -n $images ]] || fail "no screenshots"
    for image in $images; do
        [[ -f $source_dir/docs/screenshots/$image ]] || fail "docs/screenshots/$image does not exist"
    done
    ;;
manual_pages)
    skip_without man
    skip_without groff
    export LC_ALL=C.UTF-8 MAN_DISABLE_SECCOMP=1
    help=$("$prefix/bin/kaldo" --help)
    # Option lines are indented by two blanks, their descriptions by more.
    help_options=$(sed -n 's/^  \(-.*[^ ]\) *$/\1/p' <<< "$help" | sort)
    help_statuses=$(tr '\n' ' ' <<< "$help" | sed -n 's/.*Estado de salida:\(.*\)/\1/p' |
                    grep -oE '[:,]? [0-9]+ ' | grep -oE '[0-9]+' | sort)
    [[ -n $help_options && -n $help_statuses ]] || fail "kaldo --help lists no options or exit statuses: $help"
    # The lines of a rendered page's section, found by its English or Spanish heading.
    section() { awk -v a="$2" -v b="$3" '/^[^ ]/ { inside = ($0 == a || $0 == b); next } inside' "$1"; }
    for page in "$prefix"/share/man/man1/kaldo.1.gz "$prefix"/share/man/es/man1/kaldo.1.gz; do
        # Every warning of groff's -wall, and undefined macros; man's warnings are those lintian asks for.
        warnings=$(zcat "$page" | groff -k -mandoc -wall -wmac -Tutf8 -z 2>&1)
        [[ -z $warnings ]] || fail "groff warns about $page: $warnings"
        MANWIDTH=80 man --warnings -l "$page" > "$scratch/page.txt" 2> "$scratch/man.err"
        [[ ! -s $scratch/man.err ]] || fail "man warns about $page: $(cat "$scratch/man.err")"
        # An option's or status's tag stands alone on its line, indented by seven blanks.
        page_options=$(section "$scratch/page.txt" OPTIONS OPCIONES | sed -n 's/^       \(-.*[^ ]\) *$/\1/p' | sort)
        page_statuses=$(section "$scratch/page.txt" "EXIT STATUS" "ESTADO DE SALIDA" |
                        sed -n 's/^       \([0-9][0-9]*\) .*/\1/p' | sort)
        diff <(echo "$help_options") <(echo "$page_options") > "$scratch/diff" ||
            fail "the options of $page (>) differ from kaldo --help (<): $(cat "$scratch/diff")"
        diff <(echo "$help_statuses") <(echo "$page_statuses") > "$scratch/diff" ||
            fail "the exit statuses of $page (>) differ from kaldo --help (<): $(cat "$scratch/diff")"
    done
    ;;
debian_documents)
    doc=$prefix/share/doc/kaldo
    copyright=$doc/copyright
    head -1 "$copyright" | grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ||
        fail "the copyright file is not in the machine-readable format 1.0"
    # Each pattern of a Files paragraph names files of the source tree.
    grep -qx 'Files: \*' "$copyright" || fail "copyright: no paragraph for every file"
    while read -r pattern; do
        [[ $pattern == '*' ]] || compgen -G "$source_dir/$pattern" > /dev/null ||
            fail "copyright: $pattern matches no file"
    done < <(sed -n 's/^Files: //p' "$copyright" | tr ' ' '\n')
    # Each licence that a paragraph names has its text in a stand-alone License paragraph.
    while read -r license; do
        awk -v name="$license" '$0 == "License: " name { getline; if (/^ /) found = 1 } END { exit !found }' \
            "$copyright" || fail "copyright: no text for the licence $license"
    done < <(sed -n 's/^License: //p' "$copyright" | sort -u)
    grep -q "/usr/share/common-licenses/GPL-3" "$copyright" || fail "copyright: no reference to the GPL-3 text"
    gzip -t "$doc/changelog.Debian.gz" || fail "changelog.Debian.gz is not a gzip file"
    zcat "$doc/changelog.Debian.gz" | head -1 | grep -q "^kaldo (" || fail "the changelog is not kaldo's"
    ;;
*)
    fail "unknown check $check"
    ;;
esac
echo "ok: $check"
