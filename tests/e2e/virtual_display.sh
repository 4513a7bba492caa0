# Sourced by the scripts that drive the program in a real window: a private
# working folder, an Xvfb server on a free display, and a cleanup on exit that
# ends the program ($app_pid, once started) and the server. The screen is
# 1280 x 1024 unless $screen says otherwise before this is sourced.
work=$(mktemp -d)
cleanup() {
    kill "${app_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# -noreset: by default the server resets when its last client leaves, and
# refuses whoever connects meanwhile; a tool that looks and leaves (xdotool,
# the accessibility bus reading the root window) would then shut the program out.
exec 3>"$work/display"
Xvfb -displayfd 3 -noreset -screen 0 "${screen:-1280x1024x24}" -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
# Settings of the person's own runs must not reach the test, nor the test's theirs.
export XDG_CONFIG_HOME="$work/config"
# The window in English whatever the machine's language: the tests read its texts.
unset LANGUAGE
export LC_ALL=C.UTF-8

# The window's id, once it is on screen.
find_window() {
    timeout 20 xdotool search --sync --onlyvisible --name '^Rigid Body Dynamics$' | head -n1
}

fail() { echo "FAIL: $*"; cat "$work/app.log"; exit 1; }

# Starts $program in $work with these arguments, its output in app.log, and
# waits for its window: $window, then a picture of it with shot NAME.
open_window() {
    (cd "$work" && exec "$program" "$@") >"$work/app.log" 2>&1 &
    app_pid=$!
    window=$(find_window)
    [ -n "$window" ] || fail "no window captioned Rigid Body Dynamics"
}
shot() { import -window "$window" "$work/$1.png"; }
# Whether pictures NAME1 and NAME2 are the same to the pixel.
same() { [ "$(compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1 || true)" = "0" ]; }
