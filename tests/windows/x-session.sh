# Sourced: an X display for Wine's windows, with a window manager (Wine waits for one to map
# and unmap its windows; without it each window takes seconds to go).
#
#   x_session_start   starts Xvfb on a free display and openbox on it, exports DISPLAY
#   x_session_stop    stops both (for the caller's exit trap)

x_session_pids=()

x_session_stop() {
    local pid
    for pid in "${x_session_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${x_session_pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    x_session_pids=()
}

x_session_start() {
    local display=${ZURVANE_X_DISPLAY:-91}
    while [ -e "/tmp/.X${display}-lock" ] || [ -e "/tmp/.X11-unix/X${display}" ]; do
        display=$((display + 1))
    done
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    x_session_pids+=($!)
    export DISPLAY=":$display"
    local i
    for i in $(seq 1 100); do
        xdpyinfo >/dev/null 2>&1 && break
        sleep 0.05
    done
    xdpyinfo >/dev/null 2>&1 || {
        echo "x-session: Xvfb did not start on $DISPLAY" >&2
        return 1
    }
    openbox --sm-disable >/dev/null 2>&1 &
    x_session_pids+=($!)
    # openbox is ready once it announces what it supports, window activation included.
    for i in $(seq 1 200); do
        [[ $(xprop -root _NET_SUPPORTED 2>/dev/null) == *_NET_ACTIVE_WINDOW* ]] && return 0
        sleep 0.05
    done
    echo "x-session: openbox did not start on $DISPLAY" >&2
    return 1
}
