#!/usr/bin/env bash
# Opens a shipped lesson in a real X window as a student would meet it: the
# controls it hides and locks do nothing, a prediction typed into the first
# task and revealed shows the outcome --check-lesson computes, and closing the
# lesson gives the controls back. The session's recording replays to the
# revealed state.
#   lesson_window_test.sh PROGRAM LESSON BODY
set -euo pipefail
program=$1
lesson=$2
body=$3

source "$(dirname "$0")/virtual_display.sh"

open_window --lesson "$lesson" --record session.txt
sleep 1

pixel() { convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | tail -n1 | grep -o '#[0-9A-F]\{6\}'; }
pushes() { grep -c '^press 300 300$' "$work/session.txt" || true; }
# A press and a release on the picture, as a push would start and end.
drag() {
    xdotool mousemove --window "$window" 300 $((300 + dy)) mousedown 1
    xdotool mousemove --window "$window" 340 $((260 + dy)) mouseup 1
    sleep 0.3
}

# The picture begins below the menu bar: its first white row in column 2.
shot start
dy=$(convert "$work/start.png" -crop 1x200+2+0 txt:- | awk -F'[,:]' '/#FFFFFF/ && !found { found = 1; print $2 }')
[ -n "$dy" ] || fail "no picture in the window"
# The lesson hides Start/Stop, whose face would lie over the picture here.
[ "$(pixel "$work/start.png" 40 $((532 + dy)))" = "#FFFFFF" ] || fail "Start/Stop shows in the lesson"
drag
[ "$(pushes)" = 0 ] || fail "a push reached the session while the lesson locks pushing"

# The first task's box has the keys: a prediction, then Return reveals.
xdotool mousemove --window "$window" 300 300
xdotool type --window "$window" 319.5
xdotool key --window "$window" Return
sleep 0.5
shot revealed
answers=$("$program" --check-lesson "$lesson") || fail "the lesson does not check"
answer=$(head -n1 <<<"$answers" | grep -o '"answer":[^}]*' | cut -d: -f2)
[ -n "$answer" ] || fail "--check-lesson gave no answer"
grep -q "^# task 1 revealed: Your prediction: 319.5 .*; The outcome: $answer .*; The difference, outcome minus prediction: 0.5 " \
    "$work/session.txt" || fail "the revealed outcome is not --check-lesson's $answer: $(grep '^#' "$work/session.txt")"
[ "$(compare -metric AE "$work/start.png" "$work/revealed.png" null: 2>&1 || true)" != 0 ] ||
    fail "the reveal changed nothing on screen"

# Closed, the lesson gives the controls back.
xdotool key --window "$window" ctrl+w
sleep 0.5
shot closed
grep -q '^# lesson closed$' "$work/session.txt" || fail "the lesson did not close"
[ "$(pixel "$work/closed.png" 40 $((532 + dy)))" != "#FFFFFF" ] || fail "Start/Stop did not come back"
drag
[ "$(pushes)" = 1 ] || fail "pushing did not come back after the lesson"
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true

# The recording, cut where the reveal ended, replays to the revealed state.
sed '/^# task 1 revealed/q' "$work/session.txt" >"$work/revealed.txt"
echo state >>"$work/revealed.txt"
state=$(cd "$work" && "$program" --script revealed.txt --data "$body") || fail "the recording did not replay"
grep -q "\"linearMomentum\":\[$answer," <<<"$state" || fail "the replayed state is not the revealed one: $state"
echo "PASS: lesson opened, locks held, prediction revealed beside the exact outcome, lesson closed, replayed"
