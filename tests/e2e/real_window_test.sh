#!/usr/bin/env bash
# Drives the program in a real X window, as a person would: finds the window
# by its caption, checks the discs on screen, starts the simulation, pushes a
# particle with a real press-move-release, and sees the body move and the
# force line change; pauses with Space and resumes from the menu. Then halts,
# pushes, steps with Ctrl+Right, and checks
# that a replay of the session's recording draws the same picture.
#   real_window_test.sh PROGRAM DATA_FILE
set -euo pipefail
program=$1
data=$2

source "$(dirname "$0")/virtual_display.sh"

cp "$data" "$work/data.txt"
open_window --record session.txt
sleep 0.5

pixel() { convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | tail -n1 | grep -o '#[0-9A-F]\{6\}'; }


# The drawing area lies below the menu bar: the L's topmost disc is at row 245
# of the picture, so the first blue pixel of column 432 tells where it starts.
shot start
top=$(convert "$work/start.png" -crop 1x400+432+0 txt:- | awk -F'[,:]' '/#0000FF/ && !found { found = 1; print $2 }')
[ -n "$top" ] || fail "no blue disc in column 432"
dy=$((top - 245))
# Window coordinates of the picture's pixel (x, y); pixel() of a shot likewise.
at() { echo "$1 $(($2 + dy))"; }
area_pixel() { pixel "$1" "$2" $(($3 + dy)); }

# The default body's first particle: its disc's box is 428..436 by 284..292.
[ "$(area_pixel "$work/start.png" 432 288)" = "#0000FF" ] || fail "no blue disc at (432, 288)"

xdotool mousemove --window "$window" $(at 40 532) click 1   # "Start/Stop"
sleep 0.3
xdotool mousemove --window "$window" $(at 432 288) mousedown 1
xdotool mousemove --window "$window" $(at 452 270)
xdotool mousemove --window "$window" $(at 472 250) mouseup 1
sleep 1.5
shot pushed

convert "$work/start.png" -crop 300x70+0+$dy "$work/text-start.png"
convert "$work/pushed.png" -crop 300x70+0+$dy "$work/text-pushed.png"
same text-start text-pushed && fail "the force line did not change"
[ "$(area_pixel "$work/pushed.png" 432 288)" != "#0000FF" ] || fail "the body did not move"

kill -0 "$app_pid" || fail "the program exited"

# Space freezes the run as it is; the Simulation menu's Pause/Resume goes on.
xdotool key --window "$window" space
sleep 0.3
shot paused
sleep 0.6
shot still-paused
same paused still-paused || fail "the paused picture changed"
xdotool key --window "$window" alt+s
sleep 0.3
xdotool key --window "$window" p
sleep 0.6
shot resumed
same still-paused resumed && fail "Pause/Resume from the menu did not resume the run"

xdotool mousemove --window "$window" $(at 40 532) click 1   # halted: the body back at rest
sleep 0.3
xdotool mousemove --window "$window" $(at 432 288) mousedown 1
xdotool mousemove --window "$window" $(at 460 270) mouseup 1
xdotool key --window "$window" ctrl+Right ctrl+Right ctrl+Right
sleep 0.5
shot stepped
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
[ "$(grep -c '^step$' "$work/session.txt")" = 3 ] || fail "the three Ctrl+Right steps were not recorded"
[ "$(area_pixel "$work/stepped.png" 446 279)" = "#FFFFFF" ] || fail "the step's redraw did not clear the arrow"

# The controls lie over the picture's bottom strip: compare above them.
echo "frame $work/replayed.png" >>"$work/session.txt"
(cd "$work" && "$program" --script session.txt) || fail "the recording did not replay"
convert "$work/stepped.png" -crop 879x515+0+$dy +repage "$work/stepped-top.png"
convert "$work/replayed.png" -crop 879x515+0+0 +repage "$work/replayed-top.png"
same stepped-top replayed-top || fail "the replayed picture differs"
echo "PASS: window found, discs drawn, started, pushed, moved, paused, resumed, stepped, recorded and replayed"
