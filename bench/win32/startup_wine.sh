#!/usr/bin/env bash
# Start-up under Wine until the window exists, Varnholt.exe against the bare Win32 window:
#   bench/win32/startup_wine.sh [BUILD_DIR] [RUNS]       (default build-windows, 5 runs)
# Runs on a private Xvfb in a Wine prefix under BUILD_DIR, made as the tests' are (at 96 DPI).
# The first start, with a cold wineserver, is reported apart; then the two programs start in
# turns, with a warm wineserver.
set -euo pipefail
build=$(realpath "${1:-build-windows}")
runs=${2:-5}
source "$(dirname "$0")/../../tools/wine_prefix.sh"
source "$(dirname "$0")/../../tools/x_server.sh"
begin=$(date +%s%N)
wine_prefix "$build/bench/win32/wineprefix"
wineserver -w # so that the first start finds no wineserver running
echo "prefix ready in $((($(date +%s%N) - begin) / 1000000)) ms"
x_start
trap 'wineserver -k 2>/dev/null || true; x_stop' EXIT

# Milliseconds from the start of $1 until a window titled $2 exists; then the program is ended.
# A window that has not come within 20 s ends the benchmark with a failure, not a wait forever.
start_ms() {
    local begin end pid
    begin=$(date +%s%N)
    wine "$1" &
    pid=$!
    # xdotool's own --sync looks twice a second; asking every few milliseconds is finer, and
    # leaves the processor to the program in between.
    until xdotool search --name "^$2\$" >/dev/null 2>&1; do
        if (($(date +%s%N) - begin > 20000000000)); then
            kill $pid 2>/dev/null || true
            echo "no window \"$2\" within 20 s" >&2
            return 1
        fi
        sleep 0.002
    done
    end=$(date +%s%N)
    kill $pid 2>/dev/null || true
    wait $pid 2>/dev/null || true
    echo $(((end - begin) / 1000000))
}

first=$(start_ms "$build/bench/win32/bare_dialog.exe" 'Bare Dialog')
echo "first start: $first ms"
wineserver -p 2>/dev/null || true # stays between the runs
bare=() app=()
for ((i = 0; i < runs; i++)); do
    bare+=("$(start_ms "$build/bench/win32/bare_dialog.exe" 'Bare Dialog')")
    app+=("$(start_ms "$build/app/Varnholt.exe" 'Varnholt Calculator')")
done
median() { printf '%s\n' "$@" | sort -n | sed -n "$((($# + 1) / 2))p"; }
echo "bare window: ${bare[*]} ms, median $(median "${bare[@]}")"
echo "Varnholt.exe: ${app[*]} ms, median $(median "${app[@]}")"
awk -v a="$(median "${app[@]}")" -v b="$(median "${bare[@]}")" \
    'BEGIN { printf "ratio Varnholt.exe / bare: %.2f\n", a / b }'
