#!/usr/bin/env bash
# The Windows program under Wine says and writes what the Linux program does: for every document
# of the test data and the example, each headless command is run by both in scratch folders of
# the same layout, and their exit statuses, output and error texts, and the files they write are
# compared byte for byte. Files that carry the moment they were made are compared by what they
# hold: a workbook by its sheets and styles (not docProps, which holds the time), a PDF by its
# number of pages and its text, line by line, as pdftotext lays it out.
# Usage: same_output_test.sh LINUX_KALDO WINDOWS_KALDO_CLI TEST_DATA EXAMPLES
set -uo pipefail
linux="$1" windows="$2" data="$3" examples="$4"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
runtime="$scratch/runtime"
mkdir -m 700 "$runtime"
failures=0 runs=0 files=0
date_option=(--a-fecha 08/12/2026)

documents=()
document_names=()
for doc in "$data"/*.kl3 "$examples"/*.kl3; do documents+=("$doc"); document_names+=("${doc##*/}"); done

# run SIDE NAME ARGUMENTS...: runs one side's program in its own copy of the folder.
run() {
    local side="$1" name="$2" folder="$scratch/$1/$2"
    shift 2
    mkdir -p "$folder"
    cp "${documents[@]}" "$folder/"
    cp -r "$data/overview" "$folder/resumen"
    cp -r "$examples"/*" fotos" "$folder/"
    (
        cd "$folder" || exit 1
        if [[ "$side" == linux ]]; then
            # A desktop session's runtime folder, without which Qt on Linux adds a warning of its own.
            XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=offscreen "$linux" "$@" > stdout 2> stderr
        else
            QT_QPA_PLATFORM=offscreen wine "$windows" "$@" > stdout 2> stderr
        fi
        echo $? > status
    )
}

# What a written file holds, for the comparison (see the top).
contents() {
    case "$1" in
        *.pdf) pdfinfo "$1" | grep '^Pages:'; pdftotext -layout "$1" - ;;
        *.xlsx) unzip -Z1 "$1" | grep -v '^docProps/' | sort | while read -r entry; do
                    echo "== $entry"; unzip -p "$1" "${entry//\[/[[]}"; echo; done ;;
        *) cat "$1" ;;
    esac
}

# The files a run wrote: those of its folder that are neither its streams nor the inputs.
outputs() {
    local file name
    for file in "$1"/*; do
        name="${file##*/}"
        [[ -f "$file" ]] || continue
        case " status stdout stderr ${document_names[*]} " in *" $name "*) continue ;; esac
        echo "$name"
    done
}

compare() {  # compare NAME ARGUMENTS...
    local name="$1"
    shift
    runs=$((runs + 1))
    run linux "$name" "$@"
    run windows "$name" "$@"
    local a="$scratch/linux/$name" b="$scratch/windows/$name" differs=""
    for stream in status stdout stderr; do
        cmp -s "$a/$stream" "$b/$stream" || differs+=" $stream"
    done
    local file
    for file in $(outputs "$a"); do
        files=$((files + 1))
        [[ -f "$b/$file" ]] || { differs+=" $file(falta)"; continue; }
        cmp -s <(contents "$a/$file") <(contents "$b/$file") || differs+=" $file"
    done
    if [[ -n "$differs" ]]; then
        failures=$((failures + 1))
        echo "DISTINTO: kaldo $* ->$differs"
        for stream in stdout stderr; do
            cmp -s "$a/$stream" "$b/$stream" || diff <(head -c 2000 "$a/$stream") <(head -c 2000 "$b/$stream") | head -10
        done
    fi
}

n=0
for doc in "${documents[@]}"; do
    d="${doc##*/}"
    n=$((n + 1))
    compare "verificar-$n" --verificar "$d"
    compare "normalizar-$n" --normalizar "$d" normalizado.kl3
    compare "informe-$n" --informe "$d" informe.txt
    compare "exportar-$n" --exportar "$d" rama.txt
    for view in geográfica temporal valoración riesgos; do
        compare "vista-$view-$n" --vista "$view" "$d"
    done
    compare "plan-csv-$n" --plan "$d" plan.csv "${date_option[@]}"
    compare "plan-xlsx-$n" --plan "$d" plan.xlsx "${date_option[@]}"
    compare "plan-pdf-$n" --plan "$d" plan.pdf "${date_option[@]}"
    compare "revisar-$n" --revisar "$d" "${date_option[@]}"
    compare "evaluacion-$n" --evaluacion-pdf "$d" evaluacion.pdf "${date_option[@]}"
    compare "fichas-$n" --fichas "$d" fichas.pdf "${date_option[@]}"
    compare "imprimir-$n" --imprimir-pdf "$d" documento.pdf
done
for q in 00 07 22; do
    compare "cuestionario-$q" --cuestionario-pdf "$q" cuestionario.pdf "Almacén Ñandú"
done
compare "resumen-csv" --resumen resumen resumen.csv "${date_option[@]}" --subcarpetas
compare "resumen-xlsx" --resumen resumen resumen.xlsx "${date_option[@]}"
compare "sin-argumentos-de-vista" --vista
compare "opcion-desconocida" --ayuda
compare "documento-inexistente" --verificar "no existe.kl3"

echo "$runs órdenes y los $files archivos que escriben comparados: $failures distintas."
((failures == 0))
