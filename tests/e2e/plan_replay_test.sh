#!/usr/bin/env bash
# Replays the level checker's winning plans in the real game: for each level named, the
# checker's plan (railwright-check --json) is clicked into the native program with real X
# input, each shot on the pixel where game_view says its target tile appears, at the plan's
# time counted from the Space that starts the level; the level must then complete.
# Needs an X display (run it under scripts/with-xvfb).
#
# plan_replay_test.sh GAME CONTENT GAME_VIEW CHECK LEVEL...
#
# Each level is played alone from a private copy of CONTENT whose levels.txt lists only it.
# The trains keep their real speed: the plans are timed. A click lands some tenths of a second
# after its planned time (the pointer is moved first and given 0.3 s to be seen); the levels
# chosen here still win with every shot a second and a half late. On failure, or with
# RW_E2E_KEEP set, the screenshots and logs are kept and their folder is named.
set -uo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$repo/scripts/lib/game_window.sh"

if [ $# -lt 5 ]; then
    echo "usage: plan_replay_test.sh GAME CONTENT GAME_VIEW CHECK LEVEL..." >&2
    exit 2
fi
game=$(realpath "$1")
content=$2
game_view=$(realpath "$3")
check=$(realpath "$4")
shift 4

scratch=$(mktemp -d)
game_test_begin

# plan_shots JSON: "SECONDS X Y" per shot of the one level in the checker's JSON report.
plan_shots() {
    grep -o '"shots": \[[^]]*\]' "$1" | grep -o '"seconds": [0-9.]*, "x": [0-9]*, "y": [0-9]*' |
        awk -F'[:,] *' '{ print $2, $4, $6 }'
}

for level in "$@"; do
    work=$scratch/${level%.txt}
    cp -r "$content" "$work" || fail "cannot copy $content"
    printf '%s\n' "$level" >"$work/levels.txt"
    style=$work/$(awk 'NR == 1 { print $2 }' "$work/styles.txt" | tr -d '\r')

    "$check" --json "$work" >"$work/plan.json" || fail "railwright-check finds no plan for $level"
    win=$(grep -o '"win_seconds": [0-9.]*' "$work/plan.json" | awk '{ print $2 }')
    # The pixels are worked out before the level starts, so that the clicks keep their times.
    shots=()
    while read -r seconds x y; do
        pixel=$("$game_view" tile "$work/levels/$level" "$x" "$y") ||
            fail "game_view found no pixel for tile ($x, $y) of $level"
        shots+=("$seconds $pixel $x $y")
    done < <(plan_shots "$work/plan.json")
    [ ${#shots[@]} -gt 0 ] || fail "the plan for $level has no shots to replay"
    echo "$level: ${#shots[@]} shots, won at $win s in the plan"

    log=$work/game.log
    (cd "$work" && RW_NO_DIALOGS=1 exec "$game") >"$log" 2>&1 &
    game_pid=$!
    game_window_find "$game_pid" "${RW_E2E_START_TIMEOUT:-120}" 2>"$scratch/window.txt" ||
        fail "$(cat "$scratch/window.txt")"
    xdotool windowfocus "$game_window" 2>/dev/null
    game_wait_screen "$game_view" "$style" "$work" title 120 2>"$scratch/screen.txt" ||
        fail "$(cat "$scratch/screen.txt")"

    xdotool key space
    started=$(now)
    for shot in "${shots[@]}"; do
        read -r seconds px py x y <<<"$shot"
        at=$(awk -v s="$started" -v t="$seconds" 'BEGIN { printf "%.3f", s + t }')
        while before "$at"; do sleep 0.02; done
        game_click "$px" "$py"
        echo "  $(awk -v s="$started" -v n="$(now)" 'BEGIN { printf "%.2f", n - s }') s: \
clicked tile ($x, $y), planned at $seconds s"
    done
    game_wait_screen "$game_view" "$style" "$work" complete "$(awk -v w="$win" \
        'BEGIN { printf "%d", w + 60 }')" 2>"$scratch/screen.txt" ||
        fail "$level did not complete: $(cat "$scratch/screen.txt")"
    echo "  seen: $level complete"

    xdotool key Escape
    game_wait_screen "$game_view" "$style" "$work" title 30 2>"$scratch/screen.txt" ||
        fail "$(cat "$scratch/screen.txt")"
    game_quit_from_title
done

if [ -n "${RW_E2E_KEEP:-}" ]; then
    echo "screenshots and logs kept in $scratch"
else
    rm -rf "$scratch"
fi
echo "plan replay test passed"
