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

source "$source_dir/tests/e2e/virtual_display.sh"

(cd "$work" && exec "$program" --data "$source_dir/data.txt" --record "$work/session.txt") >/dev/null 2>&1 &
app_pid=$!
window=$(find_window)
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
