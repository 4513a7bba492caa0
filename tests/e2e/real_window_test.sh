#!/usr/bin/env bash
# Drives the program in a real X window, as a person would: finds the window
# by its caption, checks the discs on screen, starts the simulation, pushes a
# particle with a real press-move-release, and sees the body move and the
# force line change. Then halts, pushes, steps with Ctrl+Right, and checks
# that a replay of the session's recording draws the same picture.
#   real_window_test.sh PROGRAM DATA_FILE
set -euo pipefail
program=$1
data=$2

source "$(dirname "$0")/virtual_display.sh"

cp "$data" "$work/data.txt"
(cd "$work" && exec "$program" --record session.txt) >"$work/app.log" 2>&1 &
app_pid=$!

window=$(find_window)
[ -n "$window" ] || { echo "FAIL: no window captioned Rigid Body Dynamics"; exit 1; }
sleep 0.5

pixel() { convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | tail -n1 | grep -o '#[0-9A-F]\{6\}'; }
shot() { import -window "$window" "$work/$1.png"; }
fail() { echo "FAIL: $*"; cat "$work/app.log"; exit 1; }

# The default body's first particle: its disc's box is 428..436 by 284..292.
shot start
[ "$(pixel "$work/start.png" 432 288)" = "#0000FF" ] || fail "no blue disc at (432, 288)"

xdotool mousemove --window "$window" 40 532 click 1   # "Start/Stop"
sleep 0.3
xdotool mousemove --window "$window" 432 288 mousedown 1
xdotool mousemove --window "$window" 452 270
xdotool mousemove --window "$window" 472 250 mouseup 1
sleep 1.5
shot pushed

convert "$work/start.png" -crop 300x70+0+0 "$work/text-start.png"
convert "$work/pushed.png" -crop 300x70+0+0 "$work/text-pushed.png"
differing=$(compare -metric AE "$work/text-start.png" "$work/text-pushed.png" null: 2>&1 || true)
[ "${differing%% *}" != "0" ] || fail "the force line did not change"
[ "$(pixel "$work/pushed.png" 432 288)" != "#0000FF" ] || fail "the body did not move"

kill -0 "$app_pid" || fail "the program exited"

xdotool mousemove --window "$window" 40 532 click 1   # halted: the body back at rest
sleep 0.3
xdotool mousemove --window "$window" 432 288 mousedown 1
xdotool mousemove --window "$window" 460 270 mouseup 1
xdotool key --window "$window" ctrl+Right ctrl+Right ctrl+Right
sleep 0.5
shot stepped
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
[ "$(grep -c '^step$' "$work/session.txt")" = 3 ] || fail "the three Ctrl+Right steps were not recorded"
[ "$(pixel "$work/stepped.png" 446 279)" = "#FFFFFF" ] || fail "the step's redraw did not clear the arrow"

# The controls lie over the picture's bottom strip: compare above them.
echo "frame $work/replayed.png" >>"$work/session.txt"
(cd "$work" && "$program" --script session.txt) || fail "the recording did not replay"
convert "$work/stepped.png" -crop 879x515+0+0 +repage "$work/stepped-top.png"
convert "$work/replayed.png" -crop 879x515+0+0 +repage "$work/replayed-top.png"
differing=$(compare -metric AE "$work/stepped-top.png" "$work/replayed-top.png" null: 2>&1 || true)
[ "${differing%% *}" = "0" ] || fail "the replayed picture differs in $differing pixels"
echo "PASS: window found, discs drawn, started, pushed, moved, stepped, recorded and replayed"
