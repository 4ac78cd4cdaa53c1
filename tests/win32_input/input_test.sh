#!/usr/bin/env bash
# Real X input reaches the program as the platform's messages and key bits: xdotool moves
# the pointer, clicks and types on the probe's window, and the probe's report is compared
# with what was done. Needs an X display (run it under scripts/with-xvfb).
#
# input_test.sh PROBE
set -uo pipefail
probe=$1
scratch=$(mktemp -d)
title="RwInputProbe-$$"
log=$scratch/probe.log
"$probe" "$title" >"$log" 2>&1 &
probe_pid=$!
trap 'kill $probe_pid 2>/dev/null; rm -rf "$scratch"' EXIT

fail() {
    echo "FAIL: $*" >&2
    echo "--- probe output:" >&2
    cat "$log" >&2
    exit 1
}

window=$(timeout 10 xdotool search --sync --onlyvisible --name "^$title\$" | head -n 1)
[ -n "$window" ] || fail "the probe's window did not appear"

# Outer 400 x 300 with the platform's overlapped frame leaves a 392 x 273 client area; with
# no window manager the X window is exactly the client area.
xdotool getwindowgeometry "$window" | grep -q "Geometry: 392x273" ||
    fail "client area: $(xdotool getwindowgeometry "$window")"

xdotool mousemove --window "$window" 50 60
sleep 0.3
xdotool click 1
sleep 0.3
xdotool mousemove --window "$window" 120 70
sleep 0.3
xdotool key a
sleep 0.5
xdotool keydown b
sleep 0.7
xdotool keyup b
sleep 0.4
xdotool key Escape

timeout 10 tail --pid=$probe_pid -f /dev/null
wait $probe_pid
status=$?
[ $status -eq 0 ] || fail "exit code $status"

expect() { grep -qx "$1" "$log" || fail "no line '$1'"; }
expect "WM_PAINT"
expect "WM_MOUSEMOVE 50 60 0"
expect "WM_LBUTTONDOWN 50 60 1"
expect "WM_LBUTTONUP 50 60 0"
expect "WM_MOUSEMOVE 120 70 0"
expect "WM_DESTROY"

# The tap of A, shorter than a frame, is reported pressed exactly once.
taps=$(grep -c -E "^key A (0001|8001)$" "$log")
[ "$taps" -eq 1 ] || fail "A reported pressed $taps times"
# B held over several frames: pressed and down first, then down only.
[ "$(grep -m 1 "^key B " "$log")" = "key B 8001" ] || fail "B's first report"
[ "$(grep -c "^key B 8000$" "$log")" -ge 3 ] || fail "B not seen held"
[ "$(grep -c -E "^key B (0001|8001)$" "$log")" -eq 1 ] || fail "B pressed more than once"
echo "input test passed"
