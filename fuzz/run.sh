#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# in build-fuzz/ and runs each for a bounded time, one after the other.
#
#   fuzz/run.sh [SECONDS] [TARGET...]     SECONDS per target (default 60); all targets by default
#
# Each target is fuzz/<name>_fuzz.cpp; its first lines name its seeds ("// Seeds: globs"),
# optionally a dictionary ("// Dictionary: file", both relative to the repository) and further
# libFuzzer options ("// Options: -max_len=N"). New corpus
# entries are kept in build-fuzz/corpus/<target>/ (scratch, never committed) and reused by the
# next run; an input that crashes, leaks or breaks a property is written to
# build-fuzz/crashes/ and the script ends with a non-zero status.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
shift || true
build="$root/build-fuzz"

source "$root/scripts/install-packages.sh"
install_missing_packages "$root/scripts/packages.txt" "$root/fuzz/packages.txt"

mkdir -p "$build"
cmake -S "$root" -B "$build" -DKALDO_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo > "$build/cmake.log" 2>&1 || { cat "$build/cmake.log"; exit 1; }
cmake --build "$build" -j2 > "$build/build.log" 2>&1 || {
    grep -E "error|Error" "$build/build.log" | head -40
    echo "La compilación de los objetivos de fuzzing ha fallado; véase $build/build.log"
    exit 1
}

targets=("$@")
if ((${#targets[@]} == 0)); then
    for source in "$root"/fuzz/*_fuzz.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi

# The value of a "// Key: ..." line at the head of a target's source.
header() { sed -n "s|^// $2: *||p" "$root/fuzz/$1.cpp" | head -1; }

failed=()
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target" seeds="$build/seeds/$target" crashes="$build/crashes"
    mkdir -p "$corpus" "$crashes"
    rm -rf "$seeds" && mkdir -p "$seeds"
    (cd "$root" && for pattern in $(header "$target" Seeds); do
        for file in $pattern; do [[ -f "$file" ]] && cp "$file" "$seeds/"; done
    done)
    options=(-max_total_time="$seconds" -rss_limit_mb=2048 -timeout=20 -print_final_stats=1
        -artifact_prefix="$crashes/$target-")
    dictionary="$(header "$target" Dictionary)"
    [[ -n "$dictionary" ]] && options+=(-dict="$root/$dictionary")
    read -r -a extra <<< "$(header "$target" Options)"
    options+=("${extra[@]}")

    echo "== $target: ${seconds} s"
    log="$build/$target.log"
    if "$build/bin/$target" "${options[@]}" "$corpus" "$seeds" > "$log" 2>&1; then
        grep -E "^Done|^stat::number_of_executed_units|^stat::new_units_added" "$log" | tr '\n' ' '
        echo "(corpus: $(ls "$corpus" | wc -l) entradas)"
    else
        failed+=("$target")
        echo "!! FALLO en $target; registro: $log"
        grep -E "ERROR: |Property broken|runtime error|SUMMARY" "$log" | head -10
        grep -E "Test unit written to" "$log" | sed 's/^/   /'
    fi
done

if ((${#failed[@]})); then
    echo "Objetivos con fallos: ${failed[*]}"
    exit 1
fi
echo "Sin fallos."
