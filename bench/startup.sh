#!/usr/bin/env bash
# Start-up time of the program to its first shown window, against a bare Qt window program built
# by the same CMake, on a private Xvfb display. The programs are started alternately, ROUNDS
# times each, and the median, quartiles and extremes of each are printed in milliseconds, with
# the ratio of each median to the bare window's.
#
#   bench/startup.sh [ROUNDS]         (default 30; uses the programs in build/bin)
#   BENCH_DISPLAY=:37 bench/startup.sh   to choose the Xvfb display
#
# The program runs with a settings folder of its own (XDG_CONFIG_HOME), as on a first start.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
rounds="${1:-30}"
bin="$root/build/bin"
for program in kaldo bare_window window_probe; do
    [[ -x "$bin/$program" ]] || { echo "Falta $bin/$program: compile antes (scripts/test o cmake --build build)"; exit 1; }
done

scratch="$(mktemp -d)"
xvfb_pid=""
cleanup() {
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null
    [[ -s "$scratch/xvfb.log" ]] && cat "$scratch/xvfb.log"
    rm -rf "$scratch"
}
trap cleanup EXIT

# A display of its own: BENCH_DISPLAY (e.g. :37), or the first free one from :90 on.
display="${BENCH_DISPLAY:-}"
if [[ -z "$display" ]]; then
    for number in $(seq 90 199); do
        [[ -e "/tmp/.X$number-lock" || -e "/tmp/.X11-unix/X$number" ]] || { display=":$number"; break; }
    done
fi
if [[ -e "/tmp/.X${display#:}-lock" ]]; then
    echo "La pantalla $display ya está en uso; elija otra con BENCH_DISPLAY"
    exit 1
fi
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset > "$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [[ -e "/tmp/.X11-unix/X${display#:}" ]] && break; sleep 0.05; done
export DISPLAY="$display"
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$scratch/runtime"
mkdir -p "$scratch/config"

# The programs measured, alternately: the bare window, the bare window with a menu bar (what
# any window with text costs: Qt's font set-up) and the program with its own settings folder.
measure() {
    case "$1" in
        bare_window) "$bin/window_probe" "$bin/bare_window" ;;
        bare_menu) "$bin/window_probe" "$bin/bare_window" --menu ;;
        kaldo) XDG_CONFIG_HOME="$scratch/config" "$bin/window_probe" "$bin/kaldo" ;;
    esac
}
programs=(bare_window bare_menu kaldo)

# One unmeasured start of each, so that all find the libraries in the file cache alike.
for program in "${programs[@]}"; do measure "$program" > /dev/null; done
for ((round = 0; round < rounds; round++)); do
    for program in "${programs[@]}"; do measure "$program" >> "$scratch/$program"; done
done

# Each probe line holds the time to the first window and the processor time, in microseconds.
cd "$scratch"
python3 - "${programs[@]}" <<'PY'
import statistics, sys
programs = sys.argv[1:]
def summary(name, column):
    values = sorted(int(line.split()[column]) / 1000 for line in open(name))
    q = statistics.quantiles(values, n=4)
    return statistics.median(values), q[0], q[2], values[0], values[-1]
rounds = len(open(programs[0]).readlines())
for column, title in ((0, "tiempo hasta la primera ventana"), (1, "tiempo de procesador")):
    rows = {name: summary(name, column) for name in programs}
    print(f"{title} (ms, {rounds} arranques de cada uno)")
    print(f"  {'programa':<12}{'mediana':>9}{'Q1':>9}{'Q3':>9}{'mín':>9}{'máx':>9}{'/bare':>8}")
    for name, s in rows.items():
        print(f"  {name:<12}" + "".join(f"{v:9.1f}" for v in s) + f"{s[0] / rows[programs[0]][0]:8.2f}")
PY
