#!/usr/bin/env bash
# Plays the game from the title screen to the end with real X input on its real window, with
# the small test content beside it: the title and introduction screens, a level won by one
# shot at a straight-piece target, a level lost by running off the track, the camera dump,
# the sound cues and quitting. Screens are recognised by the solid colour of their pictures.
# Needs an X display (run it under scripts/with-xvfb).
#
# play_test.sh GAME CONTENT WAV_TONES            the native program, with recorded sound
# play_test.sh --wine GAME.exe CONTENT           the Windows program under scripts/wine-run
#                                                (no sound device there: no sound check)
#
# On failure, or with RW_E2E_KEEP set, the screenshots and logs are kept and their folder is
# named.
set -uo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$repo/scripts/lib/game_window.sh"
source "$repo/scripts/lib/openal_recorder.sh"

wine=0
if [ "${1:-}" = "--wine" ]; then
    wine=1
    shift
fi
game=$(realpath "$1")
content=$2
tones=${3:+$(realpath "$3")}

scratch=$(mktemp -d)
work=$scratch/game
cp -r "$content" "$work"
game_test_begin

# Sound: OpenAL Soft's wave backend records everything the game plays.
sound=$scratch/sound.wav
openal_recorder_conf "$scratch/alsoft.conf" "$sound"

if [ $wine -eq 1 ]; then
    (cd "$work" && WINE_RUN_TIMEOUT=${WINE_RUN_TIMEOUT:-300} "$repo/scripts/wine-run" "$game") \
        >"$log" 2>&1 &
else
    (cd "$work" && ALSOFT_CONF=$scratch/alsoft.conf RW_NO_DIALOGS=1 exec "$game") >"$log" 2>&1 &
fi
game_pid=$!

# Under Wine a run outside ctest (which makes the prefix first) may make the Wine prefix.
start_timeout=120
[ $wine -eq 1 ] && start_timeout=300
game_window_find "$game_pid" "${RW_E2E_START_TIMEOUT:-$start_timeout}" 2>"$scratch/window.txt" ||
    fail "$(cat "$scratch/window.txt")"
window=$game_window dx=$client_dx dy=$client_dy

shot=0
# Takes a screenshot of the window into shot-N.png.
take_shot() {
    shot=$((shot + 1))
    import -window "$window" "$scratch/shot-$shot.png" 2>/dev/null
}

# Prints, for each client point "x,y" of the last screenshot, the colour's code: one digit
# per channel, 1 where the channel is above half.
colour_codes() {
    local point format=""
    for point in "$@"; do
        local x=$((${point%,*} + dx)) y=$((${point#*,} + dy))
        format+="%[fx:p{$x,$y}.r>0.5?1:0]%[fx:p{$x,$y}.g>0.5?1:0]%[fx:p{$x,$y}.b>0.5?1:0] "
    done
    convert "$scratch/shot-$shot.png" -format "$format" info: 2>/dev/null
}

# wait_screen NAME CODE SECONDS POINT...: polls until every point shows the colour CODE.
last_codes=""
wait_screen() {
    local name=$1 code=$2 until_time
    until_time=$(deadline "$3")
    shift 3
    local want
    want=$(printf "$code %.0s" "$@")
    while before "$until_time"; do
        kill -0 "$game_pid" 2>/dev/null || fail "the game ended while waiting for the $name"
        take_shot && last_codes=$(colour_codes "$@")
        [ "$last_codes" = "$want" ] && {
            echo "seen: $name (shot-$shot)"
            return 0
        }
        sleep 0.3
    done
    fail "the $name did not appear: colours '$last_codes', wanted '$want' (shot-$shot)"
}

# Points of the full-screen pictures, and of two bare floor tiles of each test level (the
# level cameras look straight down from 80 units: 8.02 pixels per unit, board centre in the
# middle of the view).
screen_points=("508,370" "150,120" "860,620")
level0_floor=("348,170" "668,250")
title=100 introduction=010 complete=001 gameover=101 floor=110

# Only a focused window gets the keys; with no window manager that is asked for directly.
xdotool windowfocus "$window" 2>/dev/null

wait_screen "title screen" $title 120 "${screen_points[@]}"

xdotool key F1
wait_screen "introduction screen" $introduction 30 "${screen_points[@]}"
xdotool key Escape
wait_screen "title screen after Escape" $title 30 "${screen_points[@]}"

# Space starts level 0: its textured floor fills the view around the track.
xdotool key space
wait_screen "play screen of level 0" $floor 60 "${level0_floor[@]}"

# C held writes the live camera, which is the level's own pose, not the title pose.
rm -f "$work/camera.txt"
xdotool keydown c
until_time=$(deadline 30)
while [ ! -s "$work/camera.txt" ] && before "$until_time"; do sleep 0.2; done
sleep 0.3
xdotool keyup c
[ -s "$work/camera.txt" ] || fail "holding C wrote no camera.txt"
sleep 0.5
awk 'BEGIN { split("25 30 80 0 -1 0 0 0 -1 1 0 0", want, " ") }
     NF != 3 { exit 1 }
     { for (i = 1; i <= 3; ++i) { d = $i - want[3 * (NR - 1) + i]; if (d * d > 1e-6) exit 1 } }
     END { exit NR != 4 }' "$work/camera.txt" ||
    fail "camera.txt is not the level's camera: $(tr '\n' '|' <"$work/camera.txt")"
echo "seen: camera.txt"

# One shot at the straight-piece target on tile (4, 4) lays the missing piece in front of the
# finish; the train then steps once a second and completes the level. Without the hit the
# train would not move for a minute.
click_sound_seconds=0
if [ $wine -eq 0 ]; then
    [ -f "$sound" ] || fail "OpenAL's wave recorder made no $sound"
    click_sound_seconds=$(openal_recorded_seconds "$sound")
    echo "click at $click_sound_seconds s of the recording"
fi
xdotool mousemove --window "$window" $((668 + dx)) $((491 + dy))
sleep 0.3
xdotool click 1
wait_screen "level-complete screen" $complete 40 "${screen_points[@]}"

# Space goes on to level 1, where the train runs off the track after a second.
xdotool key space
wait_screen "game-over screen of level 1" $gameover 60 "${screen_points[@]}"

# Escape goes back to the title screen, a second Escape there quits.
xdotool key Escape
wait_screen "title screen after game over" $title 30 "${screen_points[@]}"
game_quit_from_title
echo "seen: exit code 0"

if [ $wine -eq 0 ]; then
    [ -s "$sound" ] || fail "no sound was recorded"
    "$tones" "$sound" blues=250 toot=500 steam=1000 rail=1500 coins=2000 explode=3000 \
        >"$scratch/tones.txt" || fail "the recording could not be read"
    cat "$scratch/tones.txt"
    tone() { awk -v n="$1" -v f="$2" '$1 == n { print $f }' "$scratch/tones.txt"; }
    check() { awk "BEGIN { exit !($1) }" || fail "sound: $2 ($(tr '\n' ' ' <"$scratch/tones.txt"))"; }
    check "$(tone blues 3) >= 0.5" "the music did not play"
    check "$(tone steam 2) >= 0" "\"steam\" never played"
    check "$(tone rail 2) >= 0" "\"rail\" never played"
    check "$(tone steam 2) >= $click_sound_seconds - 0.3" "\"steam\" sounded before the click"
    check "$(tone steam 2) <= $click_sound_seconds + 5" "no \"steam\" after the click"
    check "$(tone rail 2) >= $(tone steam 2)" "no \"rail\" after the shot"
    for silent in toot coins explode; do
        check "$(tone $silent 2) < 0" "\"$silent\" played, but nothing set it off"
    done
    echo "seen: music, then \"steam\" at the click and \"rail\" at the hit"
fi

if [ -n "${RW_E2E_KEEP:-}" ]; then
    echo "screenshots and logs kept in $scratch"
else
    rm -rf "$scratch"
fi
echo "play test passed"
