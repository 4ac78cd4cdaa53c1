# Sourced by scripts that need an X display: xvfb_ensure_display starts a private Xvfb when
# no usable display is set (Xvfb picks a free display number itself, so parallel runs do not
# race) and exports DISPLAY; xvfb_stop ends it. Needs $scratch, a private temporary folder.
xvfb_pid=""
xvfb_probe_failure=""

# A display that is gone refuses at once; one that is merely slow (a busy machine, the X
# server starved for seconds) must not count as gone, or a program meant for it would run on
# a private Xvfb of its own where nobody looks for its window. What the probe saw is kept in
# xvfb_probe_failure, so that a display given up on says why.
xvfb_display_usable() {
    [ -n "${DISPLAY:-}" ] || return 1
    command -v xdpyinfo >/dev/null || return 0
    local began=$SECONDS status=0
    timeout 60 xdpyinfo >/dev/null 2>"$scratch/xdpyinfo.err" || status=$?
    [ "$status" -ne 0 ] || return 0
    xvfb_probe_failure="xdpyinfo exit $status after $((SECONDS - began)) s"
    [ "$status" -ne 124 ] || xvfb_probe_failure+=" (timed out)"
    [ ! -s "$scratch/xdpyinfo.err" ] || xvfb_probe_failure+=": $(head -c 300 "$scratch/xdpyinfo.err")"
    return 1
}

xvfb_ensure_display() {
    xvfb_display_usable && return 0
    [ -z "${DISPLAY:-}" ] ||
        echo "xvfb: DISPLAY $DISPLAY does not answer ($xvfb_probe_failure); starting a private Xvfb" >&2
    # -noreset: by default the server resets whenever its last client leaves, and a client
    # that connects during the reset is refused; on a busy machine that hit a few connections
    # in a hundred, such as a test's second program starting just after its first one ended.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$scratch/display" \
        >"$scratch/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        if [ -s "$scratch/display" ]; then
            export DISPLAY=":$(tr -dc 0-9 <"$scratch/display")"
            return 0
        fi
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "Xvfb did not start:" >&2
    cat "$scratch/xvfb.log" >&2
    return 1
}

# The X server can lose a SIGTERM that arrives while it is still starting up, so it gets a few
# seconds to go and is then killed outright.
xvfb_stop() {
    [ -n "$xvfb_pid" ] || return 0
    kill "$xvfb_pid" 2>/dev/null || true
    for _ in $(seq 50); do
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
}
