#!/usr/bin/env bash
# How regularly the timer ticks in a real window: opens the program under
# Xvfb with --record, runs the simulation for SECONDS (default 10) and counts
# the ticks the recording holds. Prints ticks per second against the 20 the
# 50 ms timer promises.
#   bench/tick_rate.sh PROGRAM [SECONDS]
set -euo pipefail
program=$(realpath "$1")
seconds=${2:-10}
source_dir=$(cd "$(dirname "$0")/.." && pwd)

work=$(mktemp -d)
cleanup() {
    kill "${app_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

(cd "$work" && exec "$program" --data "$source_dir/data.txt" --record "$work/session.txt") >/dev/null 2>&1 &
app_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Rigid Body Dynamics$' | head -n1)
sleep 0.5

# The clock runs between the two clicks' returns: a tick or so of click
# latency at either end is the error of this measure.
xdotool mousemove --window "$window" 40 532 click 1   # "Start/Stop": running
start=$(date +%s.%N)
sleep "$seconds"
stop=$(date +%s.%N)
xdotool mousemove --window "$window" 40 532 click 1   # halted
sleep 0.2

ticks=$(grep -c '^tick' "$work/session.txt" || true)
awk -v ticks="$ticks" -v start="$start" -v stop="$stop" 'BEGIN {
    elapsed = stop - start
    rate = ticks / elapsed
    printf "%d ticks in %.3f s: %.2f ticks per second (%.2f%% off 20)\n", ticks, elapsed, rate, (rate - 20) / 20 * 100
}'
