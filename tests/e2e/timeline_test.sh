#!/usr/bin/env bash
# Drags the timeline in a real X window, as a person would: runs a pushed body,
# pauses it, drags the slider's handle back with the mouse, steps back with
# Ctrl+Left and forward again with Ctrl+Right, and hides and shows the bar.
# Checks that the body went back to the state and the picture it had when the
# run first reached that step, that stepping forward again draws it again, that the drawing
# area kept its size, and that the recording holds the seeks and replays to
# the same state and picture.
#   timeline_test.sh PROGRAM DATA_FILE
set -euo pipefail
program=$1
data=$2

source "$(dirname "$0")/virtual_display.sh"

cp "$data" "$work/data.txt"
open_window --record session.txt
sleep 0.5

height() { xdotool getwindowgeometry "$window" | awk -F'x' '/Geometry/ { print $2 }'; }
# The picture above the controls, which lie over its bottom strip.
picture() { convert "$work/$1.png" -crop "879x515+0+$2" +repage "$work/$1-top.png"; }

# The drawing area lies below the menu bar, the timeline below the area.
shot start
top=$(convert "$work/start.png" -crop 1x400+432+0 txt:- | awk -F'[,:]' '/#0000FF/ && !found { found = 1; print $2 }')
[ -n "$top" ] || fail "no blue disc in column 432"
dy=$((top - 245))
at() { echo "$1 $(($2 + dy))"; }
bar_row=$((dy + 552 + 11))

xdotool mousemove --window "$window" $(at 40 532) click 1   # "Start/Stop"
sleep 0.3
xdotool mousemove --window "$window" $(at 432 288) mousedown 1
xdotool mousemove --window "$window" $(at 452 270)
xdotool mousemove --window "$window" $(at 472 250) mouseup 1
sleep 2
xdotool key --window "$window" space
sleep 0.3
shot paused

# The slider's groove is filled up to the handle, which stands at its right end.
handle=$(convert "$work/paused.png" -crop "879x1+0+$bar_row" txt:- |
    awk -F'[,:]' '/#38A1E3/ { last = $1 } END { print last + 7 }')
[ "$handle" -gt 100 ] || fail "no timeline handle in row $bar_row"
xdotool mousemove --window "$window" "$handle" "$bar_row" mousedown 1
for x in $(seq "$handle" -9 $((handle / 2))); do
    xdotool mousemove --window "$window" "$x" "$bar_row"
done
xdotool mouseup 1
sleep 0.3
shot sought
xdotool key --window "$window" ctrl+Left
sleep 0.2
xdotool key --window "$window" ctrl+Right
sleep 0.3
shot again

# Hidden and shown again, the bar leaves the drawing area as it was.
tall=$(height)
xdotool key --window "$window" ctrl+t
sleep 0.4
shot hidden
short=$(height)
xdotool key --window "$window" ctrl+t
sleep 0.4
[ "$(height)" = "$tall" ] || fail "the window did not grow back with the bar"
[ "$short" -lt "$tall" ] || fail "the window did not shrink without the bar"

kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
recording=$work/session.txt
grep -q '^size' "$recording" && fail "the drawing area changed its size: $(grep '^size' "$recording")"
seeks=$(grep -c '^seek ' "$recording" || true)
[ "$seeks" -ge 4 ] || fail "the drag left $seeks seeks in the recording"
last=$(grep '^seek ' "$recording" | tail -n2 | head -n1 | cut -d' ' -f2)
[ "$(grep '^seek ' "$recording" | tail -n1)" = "seek $((last - 1))" ] || fail "Ctrl+Left was not one step back"
[ "$(tail -n1 "$recording")" = step ] || fail "Ctrl+Right was not recorded as a step"
ticks=$(grep -c '^tick$' "$recording")
[ "$last" -lt "$ticks" ] || fail "the drag did not go back: step $last of $ticks"

picture sought "$dy"
picture again "$dy"
picture hidden "$dy"
same sought-top again-top || fail "stepping forward again drew another picture"
same again-top hidden-top || fail "hiding the timeline changed the picture"

# The state the run had when it first reached that step, from the recording's
# beginning up to that step's tick, and the state its replay ends in.
awk -v k="$last" -v frame="$work/first.png" '{ print } /^tick$/ && ++n == k { print "state"; print "frame " frame; exit }' \
    "$recording" >"$work/first.txt"
{ cat "$recording"; echo state; echo "frame $work/replayed.png"; } >"$work/replay.txt"
(cd "$work" && "$program" --script first.txt) | sed 's/"running":true/"running":false/' >"$work/first.state" ||
    fail "the run up to step $last did not replay"
(cd "$work" && "$program" --script replay.txt) >"$work/replayed.state" || fail "the recording did not replay"
cmp -s "$work/first.state" "$work/replayed.state" ||
    fail "the state after going back differs from the first time: $(diff "$work/first.state" "$work/replayed.state")"
grep -q "\"steps\":$last," "$work/replayed.state" || fail "the replay did not end at step $last"
for replayed in first replayed; do
    convert "$work/$replayed.png" -crop 879x515+0+0 +repage "$work/$replayed-top.png"
done
same sought-top first-top || fail "the sought picture differs from the first time's"
same again-top replayed-top || fail "the replayed picture differs"
echo "PASS: ran, paused, dragged back to step $last of $ticks ($seeks seeks), stepped back and forward to the" \
    "first time's picture and state, hid and showed the timeline around the same drawing area, recorded and replayed"
