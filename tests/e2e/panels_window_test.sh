#!/usr/bin/env bash
# In a real X window: opens the inspector and the plots beside the drawing
# area, pushes the body, runs it, pauses, pushes again and runs on past 300
# ticks. The panels must take their room from the window, never from the
# drawing area, the box the body bounces in: the area stays 879 pixels wide
# on screen and the session's recording holds no `size` line.
#   panels_window_test.sh PROGRAM DATA_FILE
set -euo pipefail
program=$1
data=$2

screen=1920x1200x24  # room for both panels beside the window
source "$(dirname "$0")/virtual_display.sh"

cp "$data" "$work/data.txt"
open_window --record session.txt
sleep 0.5

width() { xdotool getwindowgeometry "$window" | awk '/Geometry/ { split($2, size, "x"); print size[1] }'; }
ticks() { grep -c '^tick' "$work/session.txt" || true; }
# The first row, from the top, with a blue pixel in column $2 of picture $1.
first_blue() { convert "$1" -crop "1x1000+$2+0" txt:- | awk -F'[,:]' '/#0000FF/ && !found { found = 1; print $2 }'; }

shot start
top=$(first_blue "$work/start.png" 432)
[ -n "$top" ] || fail "no blue disc in column 432"
dy=$((top - 245))  # the L's topmost disc is at row 245 of the picture
at() { echo "$1 $(($2 + dy))"; }
before=$(width)

xdotool mousemove --window "$window" $(at 600 400) click 1  # the keys go to the window
xdotool key --window "$window" ctrl+i
sleep 0.3
xdotool key --window "$window" ctrl+g
sleep 1
after=$(width)
[ "$after" -gt $((before + 500)) ] || fail "the window did not grow by the panels ($before to $after)"

# Along the disc's offset from the centre of mass: the body turns little, so
# that its discs are where a press finds them.
xdotool mousemove --window "$window" $(at 432 288) mousedown 1
xdotool mousemove --window "$window" $(at 422 303)
xdotool mousemove --window "$window" $(at 413 318) mouseup 1
xdotool mousemove --window "$window" $(at 40 532) click 1  # Start/Stop
sleep 1
xdotool key --window "$window" space
sleep 0.3
shot paused
row=$(convert "$work/paused.png" -crop "879x480+0+$((dy + 70))" txt:- |
    awk -F'[,:]' '/#0000FF/ { if (!found || $2 < y) { found = 1; x = $1; y = $2 } } END { if (found) print x, y }')
[ -n "$row" ] || fail "no disc in the drawing area after the first push"
read -r x y <<<"$row"
y=$((y + 70 + 3))  # inside the topmost disc, in the picture's rows
xdotool mousemove --window "$window" $(at "$x" "$y") mousedown 1
xdotool mousemove --window "$window" $(at $((x + 20)) $((y - 10)))
xdotool mousemove --window "$window" $(at $((x + 40)) $((y - 20))) mouseup 1
xdotool key --window "$window" space ctrl+plus ctrl+plus
for _ in $(seq 120); do [ "$(ticks)" -ge 300 ] && break; sleep 0.5; done
[ "$(ticks)" -ge 300 ] || fail "only $(ticks) ticks recorded"
xdotool key --window "$window" space
sleep 0.3
shot ran
kill -0 "$app_pid" || fail "the program exited"
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true

# The recording up to its Nth release, replayed: the force then.
force_after() {
    awk -v n="$1" '{ print } /^release/ && ++seen == n { exit }' "$work/session.txt" >"$work/part.txt"
    echo state >>"$work/part.txt"
    (cd "$work" && "$program" --script part.txt) | grep -o '"force":\[[^]]*\]'
}
[ "$(force_after 2)" != "$(force_after 1)" ] || fail "the first push grabbed no disc"
[ "$(force_after 3)" != "$(force_after 2)" ] || fail "the second push grabbed no disc"
grep -q '^size' "$work/session.txt" && fail "the drawing area changed size: $(grep '^size' "$work/session.txt")"
# On screen the picture still ends at column 878: white there, the window's
# own grey beyond it.
pixel() { convert "$work/ran.png" -crop "1x1+$1+$(($2 + dy))" -depth 8 txt:- | tail -n1 | grep -o '#[0-9A-F]\{6\}'; }
[ "$(pixel 878 400)" = "#FFFFFF" ] || fail "the drawing area is narrower than 879 pixels"
[ "$(pixel 879 400)" != "#FFFFFF" ] || fail "the drawing area is wider than 879 pixels"
echo state >>"$work/session.txt"
(cd "$work" && "$program" --script session.txt >/dev/null) || fail "the recording did not replay"
echo "PASS: the panels opened beside the drawing area, which kept its size through two pushes and $(ticks) ticks"
