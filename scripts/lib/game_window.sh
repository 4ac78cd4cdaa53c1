# Sourced by scripts that drive the game's window with real X input (xdotool) and take
# screenshots of it (ImageMagick): deadlines, finding the window and its client area, and
# waiting for a screen that game_view (tests/e2e) recognises.

# game_test_begin: what the end-to-end tests share: a scratch folder (given, or a new one)
# that is kept and named on failure, the game's log in it, a game that is killed when the
# script ends, and fail MESSAGE.
game_test_begin() {
    scratch=${scratch:-$(mktemp -d)}
    log=$scratch/game.log
    game_pid=""
    trap game_test_cleanup EXIT
}
game_test_cleanup() {
    if [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; then
        kill "$game_pid" 2>/dev/null
    fi
}
fail() {
    echo "FAIL: $*" >&2
    echo "--- game output:" >&2
    tail -n 40 "$log" >&2
    echo "--- screenshots and logs kept in $scratch" >&2
    exit 1
}

# game_quit_from_title: Escape on the title screen; the game must end within 30 s with exit
# code 0, or the test fails.
game_quit_from_title() {
    local until_time status
    xdotool key Escape
    until_time=$(deadline 30)
    while kill -0 "$game_pid" 2>/dev/null && before "$until_time"; do sleep 0.2; done
    kill -0 "$game_pid" 2>/dev/null && fail "the game did not quit after Escape on the title screen"
    wait "$game_pid"
    status=$?
    game_pid=""
    [ $status -eq 0 ] || fail "exit code $status"
}

# The game's client area, on both builds.
readonly game_client_width=1016 game_client_height=741

# Seconds since the epoch, with fractions, for deadlines.
now() { date +%s.%N; }
# True while the deadline (from deadline) has not passed.
before() { awk -v a="$(now)" -v b="$1" 'BEGIN { exit !(a < b) }'; }
# The deadline SECONDS from now.
deadline() { awk -v a="$(now)" -v b="$1" 'BEGIN { printf "%.3f", a + b }'; }

# game_window_find PID SECONDS: waits for the visible window "Puffwagon" of the game running
# as PID and sets game_window to its id, game_pid to PID, and client_dx and client_dy to where
# the client area lies in it: where the X window also holds the frame (Wine draws its own), the client area
# sits inside it. Says why on stderr and returns 1 when the game ends first, no window
# appears in time or the window is too small.
game_window_find() {
    local pid=$1 until_time WIDTH HEIGHT
    until_time=$(deadline "$2")
    game_pid=$pid
    game_window=""
    while [ -z "$game_window" ]; do
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "the game ended before its window appeared" >&2
            return 1
        fi
        before "$until_time" || { echo "no Puffwagon window within $2 s" >&2; return 1; }
        game_window=$(xdotool search --onlyvisible --name '^Puffwagon$' 2>/dev/null | head -n 1)
        [ -n "$game_window" ] || sleep 0.5
    done
    eval "$(xdotool getwindowgeometry --shell "$game_window" | grep -E '^(WIDTH|HEIGHT)=')"
    client_dx=$(((WIDTH - game_client_width) / 2))
    client_dy=$((HEIGHT - game_client_height - client_dx))
    if [ $client_dx -lt 0 ] || [ $client_dy -lt 0 ]; then
        echo "window of ${WIDTH}x$HEIGHT is smaller than ${game_client_width}x$game_client_height" >&2
        return 1
    fi
}

# game_hold_trains CONTENT: makes the trains of the levels in a copy of the content wait ten
# minutes before their first step, so that no level is lost on a slow machine before a
# script has seen it in play and clicked. A completed track still speeds its train up to a
# step a second, and nothing of it shows.
game_hold_trains() {
    sed -i 's/^speed .*/speed 600/' "$1/levels/"*.txt
}

# game_client_shot FILE: a screenshot of the game's client area as it is now.
game_client_shot() {
    import -window "$game_window" \
        -crop "${game_client_width}x$game_client_height+$client_dx+$client_dy" +repage "$1" \
        2>/dev/null
}

# game_click X Y: moves the pointer to the client pixel (X, Y), lets the game see it there,
# then clicks the left button.
game_click() {
    xdotool mousemove --window "$game_window" $(($1 + client_dx)) $(($2 + client_dy))
    sleep 0.3
    xdotool click 1
}

# game_wait_screen VIEW STYLE DIR NAME SECONDS: polls screenshots of the client area until
# game_view (VIEW, with the pictures of the style folder STYLE) sees the screen NAME (title,
# introduction, complete, gameover or play) in two in a row, so that neither a frame in
# passing nor a screen about to change counts. The screenshots are DIR/shot-N.png, numbered
# on from game_shot (the last one), each with game_view's answer in DIR/shot-N.txt. Prints
# what was seen; says why on stderr and returns 1 when the game ends first or the time runs
# out.
game_shot=0
game_wait_screen() {
    local view=$1 style=$2 dir=$3 name=$4 until_time seen=0 verdict=""
    until_time=$(deadline "$5")
    while before "$until_time"; do
        if ! kill -0 "$game_pid" 2>/dev/null; then
            echo "the game ended while waiting for the $name screen" >&2
            return 1
        fi
        game_shot=$((game_shot + 1))
        if game_client_shot "$dir/shot-$game_shot.png"; then
            if ! "$view" screen "$dir/shot-$game_shot.png" "$style" >"$dir/shot-$game_shot.txt"; then
                echo "game_view could not read shot-$game_shot.png" >&2
                return 1
            fi
            verdict=$(awk '$1 == "screen" { print $2 }' "$dir/shot-$game_shot.txt")
            if [ "$verdict" != "$name" ]; then
                seen=0
            elif [ $((seen += 1)) -eq 2 ]; then
                echo "seen: $name screen (shot-$game_shot: $(grep -v '^screen' \
                    "$dir/shot-$game_shot.txt" | tr '\n' ' '))"
                return 0
            fi
        fi
        sleep 0.3
    done
    echo "the $name screen did not appear; shot-$game_shot shows '$verdict':" \
        "$(tr '\n' ' ' <"$dir/shot-$game_shot.txt" 2>/dev/null)" >&2
    return 1
}
