#!/usr/bin/env bash
# Plays the first level of the game's own content with real X input on its real window: the
# title and introduction screens, one shot at the straight-piece target of 01_first_light
# that lays the missing piece, the level-complete screen, the next level, back to
# the title and quitting. Screens are recognised by game_view, which predicts each picture as
# the game draws it; the target is clicked where game_view says its tile appears. Natively the
# sound is recorded and find_cues looks for the "steam" of the shot and the "rail" of the hit.
# Needs an X display (run it under scripts/with-xvfb).
#
# content_play_test.sh GAME CONTENT GAME_VIEW FIND_CUES     the native program
# content_play_test.sh --wine GAME.exe CONTENT GAME_VIEW    the Windows program under
#                                                           scripts/wine-run (no sound there)
#
# The game runs in a private copy of CONTENT whose trains wait ten minutes before their first
# step (game_hold_trains), so that a slow machine cannot lose a level before the script has
# seen it and clicked; the one shot completes the track, which speeds the train up to a step
# a second, so it still has to run to the finish. On failure, or with RW_E2E_KEEP set, the
# screenshots and logs are kept and their folder is named.
set -uo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$repo/scripts/lib/game_window.sh"
source "$repo/scripts/lib/openal_recorder.sh"

wine=0
if [ "${1:-}" = "--wine" ]; then
    wine=1
    shift
fi
if [ $# -ne $((4 - wine)) ]; then
    echo "usage: content_play_test.sh GAME CONTENT GAME_VIEW FIND_CUES" >&2
    echo "       content_play_test.sh --wine GAME.exe CONTENT GAME_VIEW" >&2
    exit 2
fi
game=$(realpath "$1")
content=$2
game_view=$(realpath "$3")
find_cues=${4:+$(realpath "$4")}

# The first level and its target: the train waits on (1, 2) heading east, the piece on (4, 2)
# is missing, and the straight-piece target on (3, 4) lays it.
readonly first_level=01_first_light.txt target_x=3 target_y=4

scratch=$(mktemp -d)
work=$scratch/game
game_test_begin

cp -r "$content" "$work" || fail "cannot copy $content"
game_hold_trains "$work" || fail "cannot hold the trains in $work"
[ "$(head -n 1 "$work/levels.txt" | tr -d '\r')" = "$first_level" ] ||
    fail "the first level of $content/levels.txt is not $first_level"
style=$work/$(awk 'NR == 1 { print $2 }' "$work/styles.txt" | tr -d '\r')
[ -d "$style/textures" ] || fail "no style folder $style"

sound=$scratch/sound.wav
if [ $wine -eq 1 ]; then
    (cd "$work" && WINE_RUN_TIMEOUT=${WINE_RUN_TIMEOUT:-300} "$repo/scripts/wine-run" "$game") \
        >"$log" 2>&1 &
else
    openal_recorder_conf "$scratch/alsoft.conf" "$sound"
    (cd "$work" && ALSOFT_CONF=$scratch/alsoft.conf RW_NO_DIALOGS=1 exec "$game") >"$log" 2>&1 &
fi
game_pid=$!

# Under Wine a run outside ctest (which makes the prefix first) may make the Wine prefix.
start_timeout=120
[ $wine -eq 1 ] && start_timeout=300
game_window_find "$game_pid" "${RW_E2E_START_TIMEOUT:-$start_timeout}" 2>"$scratch/window.txt" ||
    fail "$(cat "$scratch/window.txt")"
# Only a focused window gets the keys; with no window manager that is asked for directly.
xdotool windowfocus "$game_window" 2>/dev/null

# wait_screen NAME SECONDS: waits for the screen NAME (see game_wait_screen).
wait_screen() {
    game_wait_screen "$game_view" "$style" "$scratch" "$@" 2>"$scratch/screen.txt" ||
        fail "$(cat "$scratch/screen.txt")"
}

wait_screen title 120
xdotool key F1
wait_screen introduction 30
xdotool key Escape
wait_screen title 30

space_seconds=0 click_seconds=0
if [ $wine -eq 0 ]; then
    [ -f "$sound" ] || fail "OpenAL's wave recorder made no $sound"
    space_seconds=$(openal_recorded_seconds "$sound")
fi
xdotool key space
wait_screen play 60

# One shot at the target: without the piece it lays the train would run off the track.
target=$("$game_view" tile "$work/levels/$first_level" $target_x $target_y) ||
    fail "game_view found no pixel for tile ($target_x, $target_y)"
if [ $wine -eq 0 ]; then
    click_seconds=$(openal_recorded_seconds "$sound")
    echo "Space at $space_seconds s of the recording, click at $click_seconds s"
fi
# shellcheck disable=SC2086 # the pixel is two numbers
game_click $target
echo "clicked tile ($target_x, $target_y) at client pixel ($target)"
wait_screen complete 120

xdotool key space
wait_screen play 60
xdotool key Escape
wait_screen title 30
game_quit_from_title
echo "seen: exit code 0"

# The cues as played, at any gain, in the recording's first channel over the music. Measured:
# a cue that sounded scores 0.90 to 0.94 (the music under it takes the rest), the best
# stretch for a cue that did not sound at most 0.23.
readonly cue_found=0.6
if [ $wine -eq 0 ]; then
    [ -s "$sound" ] || fail "no sound was recorded"
    cues=$style/sounds
    # find_cues FROM TO NAME...: "NAME SECONDS SCORE" lines into cues.txt.
    find_in() {
        local from=$1 to=$2
        shift 2
        "$find_cues" "$sound" "$from" "$to" "${@/#/$cues/}" >"$scratch/cues.txt" ||
            fail "find_cues could not read the recording or a cue"
        cat "$scratch/cues.txt"
    }
    cue() { awk -v n="$1" -v f="$2" '$1 == n { print $f }' "$scratch/cues.txt"; }
    check() { awk "BEGIN { exit !($1) }" || fail "sound: $2 ($(tr '\n' ' ' <"$scratch/cues.txt"))"; }
    sum() { awk "BEGIN { printf \"%.3f\", ($1) }"; }

    # The level's first seconds, up to the click: nothing but the music.
    find_in "$space_seconds" "$(sum "$space_seconds + 3 < $click_seconds - 0.5 ? \
        $space_seconds + 3 : $click_seconds - 0.5")" steam.wav rail.wav
    check "$(cue steam 3) < $cue_found" "\"steam\" sounded before the click"
    check "$(cue rail 3) < $cue_found" "\"rail\" sounded before the click"
    # The shot: "steam" at the click (sent 0.3 s after the time taken), and no other cue but
    # "rail" after it.
    find_in "$(sum "$click_seconds - 0.5")" "$(sum "$click_seconds + 3")" \
        steam.wav toot.wav coins.wav explode.wav
    check "$(cue steam 3) >= $cue_found" "no \"steam\" at the click"
    check "$(cue steam 2) >= $click_seconds" "\"steam\" sounded before the click"
    check "$(cue steam 2) <= $click_seconds + 2" "\"steam\" came late after the click"
    steam=$(cue steam 2)
    for silent in toot coins explode; do
        check "$(cue $silent 3) < $cue_found" "\"$silent\" played, but nothing set it off"
    done
    # The hit: the shot flies about 36 units at 30 a second, minus the target's reach, before
    # "rail" sounds (0.8 to 1.2 s measured).
    find_in "$(sum "$steam + 0.2")" "$(sum "$steam + 4")" rail.wav
    check "$(cue rail 3) >= $cue_found" "no \"rail\" within 4 s of the shot"
    check "$(cue rail 2) >= $steam + 0.4" "\"rail\" sounded before the shot could hit"
    echo "seen: \"steam\" at the click ($steam s) and \"rail\" at the hit ($(cue rail 2) s)"
fi

if [ -n "${RW_E2E_KEEP:-}" ]; then
    echo "screenshots and logs kept in $scratch"
else
    rm -rf "$scratch"
fi
echo "content play test passed"
