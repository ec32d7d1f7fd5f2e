# Shared helpers of the end-to-end tests: a private X server with a window manager, the tool
# started in it, windows found and measured from outside, clicks, keys and the clipboard, all
# as a user (or another program) would see them. Source it from a test script that runs with
# `set -euo pipefail`; it installs a trap that ends everything it started.
#
# Needs: Xvfb (xvfb), openbox, xdotool, xclip, xprop and xwininfo (x11-utils).

E2E_XVFB_PID=
E2E_WM_PID=
E2E_TOOL_PID=
E2E_TMP=
E2E_PIDS=()

e2e_log() { printf '[%s] %s\n' "$(basename "${0}" .sh)" "$*"; }

e2e_fail() {
    printf '[%s] FAIL: %s\n' "$(basename "${0}" .sh)" "$*" >&2
    exit 1
}

# The bytes of a value, for messages about texts.
e2e_hex() { printf '%s' "$1" | od -An -tx1 | tr -s ' \n' ' '; }

# e2e_expect_eq WHAT EXPECTED ACTUAL
e2e_expect_eq() {
    if [[ "$2" != "$3" ]]; then
        e2e_fail "$1: expected '$2' [$(e2e_hex "$2")], got '$3' [$(e2e_hex "$3")]"
    fi
}

e2e_cleanup() {
    local pid
    if [[ -n "$E2E_TMP" && -s "$E2E_TMP/tool.err" ]]; then
        sed 's/^/[tool stderr] /' "$E2E_TMP/tool.err" >&2
    fi
    for pid in "$E2E_TOOL_PID" "${E2E_PIDS[@]}" "$E2E_WM_PID" "$E2E_XVFB_PID"; do
        [[ -n "$pid" ]] && kill "$pid" 2>/dev/null || true
    done
    for pid in "$E2E_TOOL_PID" "${E2E_PIDS[@]}" "$E2E_WM_PID" "$E2E_XVFB_PID"; do
        [[ -n "$pid" ]] && wait "$pid" 2>/dev/null || true
    done
    [[ -n "$E2E_TMP" ]] && rm -rf "$E2E_TMP"
    return 0
}
trap e2e_cleanup EXIT

# e2e_wait_until SECONDS COMMAND...: polls COMMAND every 50 ms until it succeeds; fails after
# SECONDS.
e2e_wait_until() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
}

# A scratch folder, and XDG_RUNTIME_DIR in it (Qt wants one, private to the user).
e2e_setup_tmp() {
    E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/zurvane-e2e.XXXXXX")
    mkdir -m 0700 "$E2E_TMP/runtime"
    export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
}

# Starts Xvfb on a free display number and exports DISPLAY. The numbers are drawn from a high
# range at random, away from the :0, :1, :99 that other scripts on the machine like to use.
e2e_start_x() {
    [[ -n "$E2E_TMP" ]] || e2e_setup_tmp
    local fd_file="$E2E_TMP/display" attempt number
    for attempt in 1 2 3 4 5 6 7 8 9 10; do
        number=$((200 + RANDOM % 700))
        [[ -e "/tmp/.X$number-lock" || -e "/tmp/.X11-unix/X$number" ]] && continue
        rm -f "$fd_file"
        # -displayfd writes the number once the server accepts connections; -noreset keeps it
        # from resetting (and refusing connections meanwhile) each time its last client leaves.
        Xvfb ":$number" -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$fd_file" \
            >"$E2E_TMP/xvfb.log" 2>&1 &
        E2E_XVFB_PID=$!
        if e2e_wait_until 20 e2e_x_started "$fd_file"; then
            if kill -0 "$E2E_XVFB_PID" 2>/dev/null; then
                export DISPLAY=":$number"
                e2e_wait_until 10 xwininfo -root || e2e_fail "display $DISPLAY does not answer"
                e2e_log "X server on $DISPLAY"
                return 0
            fi
        fi
        kill "$E2E_XVFB_PID" 2>/dev/null || true
        wait "$E2E_XVFB_PID" 2>/dev/null || true
        E2E_XVFB_PID=
    done
    e2e_fail "Xvfb did not start: $(cat "$E2E_TMP/xvfb.log")"
}

# Xvfb has written its display number, or has ended (the number was taken after all).
e2e_x_started() { test -s "$1" || ! kill -0 "$E2E_XVFB_PID" 2>/dev/null; }

# Starts openbox and waits until it manages the screen.
e2e_start_wm() {
    openbox --sm-disable >"$E2E_TMP/openbox.log" 2>&1 &
    E2E_WM_PID=$!
    e2e_wait_until 20 e2e_wm_ready || e2e_fail "openbox did not start on $DISPLAY: $(cat "$E2E_TMP/openbox.log"); X server $(kill -0 "$E2E_XVFB_PID" 2>/dev/null && echo running || echo gone): $(cat "$E2E_TMP/xvfb.log")"
    e2e_log "window manager openbox running"
}

e2e_wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }

# X server, window manager and a fresh runtime folder.
e2e_start_desktop() {
    e2e_setup_tmp
    e2e_start_x
    e2e_start_wm
}

# e2e_find_window NAME [SECONDS]: the id of the first visible window whose title is exactly
# NAME (compared as text, not as a pattern), or failure.
e2e_find_window() {
    local name=$1 seconds=${2:-10} id
    local deadline=$((SECONDS + seconds))
    while ((SECONDS <= deadline)); do
        for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
            if [[ "$(xdotool getwindowname "$id" 2>/dev/null)" == "$name" ]]; then
                printf '%s\n' "$id"
                return 0
            fi
        done
        sleep 0.05
    done
    return 1
}

# True while a visible window with title NAME exists.
e2e_window_shown() { e2e_find_window "$1" 0 >/dev/null; }

# Starts the tool in the background (stderr to $E2E_TMP/tool.err) and sets E2E_TOOL_PID.
e2e_start_tool() {
    [[ -n "${ZURVANE_BIN:-}" && -x "$ZURVANE_BIN" ]] || e2e_fail "ZURVANE_BIN is not a program"
    "$ZURVANE_BIN" 2>"$E2E_TMP/tool.err" &
    E2E_TOOL_PID=$!
    e2e_log "started $ZURVANE_BIN (pid $E2E_TOOL_PID)"
}

# Waits for the tool to end and sets E2E_TOOL_EXIT to its exit code. Call it in this shell, not
# in $(...): only the shell that started the tool can collect its exit code.
e2e_wait_tool_exit() {
    local seconds=${1:-10}
    E2E_TOOL_EXIT=0
    e2e_wait_until "$seconds" e2e_tool_gone || e2e_fail "the tool did not end within ${seconds}s"
    wait "$E2E_TOOL_PID" || E2E_TOOL_EXIT=$?
    E2E_TOOL_PID=
}

# A process that has ended stays a zombie until its parent collects it: ps tells the two apart.
e2e_tool_gone() {
    local state
    state=$(ps -o stat= -p "$E2E_TOOL_PID" 2>/dev/null) || return 0
    [[ "$state" == Z* ]]
}

# e2e_client_geometry WINDOW: "x y width height" of the client area, in screen pixels.
e2e_client_geometry() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X:/ { x = $NF }
        /Absolute upper-left Y:/ { y = $NF }
        /^ *Width:/ { w = $NF }
        /^ *Height:/ { h = $NF }
        END { print x, y, w, h }'
}

# e2e_frame_extents WINDOW: "left right top bottom" of the window manager's frame (0 0 0 0 when
# it has none).
e2e_frame_extents() {
    local line
    line=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | grep -o '[0-9]*, [0-9]*, [0-9]*, [0-9]*') ||
        line="0, 0, 0, 0"
    printf '%s\n' "${line//,/}"
}

# e2e_outer_geometry WINDOW: "x y width height" of the window with its frame.
e2e_outer_geometry() {
    local x y w h l r t b
    read -r x y w h < <(e2e_client_geometry "$1")
    read -r l r t b < <(e2e_frame_extents "$1")
    printf '%s %s %s %s\n' $((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))
}

# e2e_wait_outer_size WINDOW WIDTH HEIGHT [SECONDS]: waits until the outer size is as given.
e2e_wait_outer_size() {
    local window=$1 width=$2 height=$3 seconds=${4:-5}
    e2e_wait_until "$seconds" e2e_outer_size_is "$window" "$width" "$height"
}

e2e_outer_size_is() {
    local x y w h
    read -r x y w h < <(e2e_outer_geometry "$1")
    [[ "$w" == "$2" && "$h" == "$3" ]]
}

# e2e_click WINDOW X Y: a left click at client coordinates (X, Y).
e2e_click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

# e2e_click_control WINDOW LEFT TOP: a click a few pixels inside the control at (LEFT, TOP).
e2e_click_control() {
    e2e_click "$1" $(($2 + 6)) $(($3 + 6))
}

# e2e_key WINDOW KEY...: key presses (xdotool key names) sent to the focused window after
# WINDOW is activated.
e2e_key() {
    local window=$1
    shift
    xdotool windowactivate --sync "$window" key --clearmodifiers "$@"
}

# Another program puts text on the clipboard (xclip keeps serving it in the background).
e2e_set_clipboard_text() {
    printf '%s' "$1" | xclip -selection clipboard -i >/dev/null 2>&1
    e2e_wait_until 5 e2e_clipboard_offers UTF8_STRING || e2e_fail "xclip did not take the clipboard"
}

# e2e_set_clipboard_file TARGET FILE: another program offers FILE's bytes as TARGET only.
e2e_set_clipboard_file() {
    xclip -selection clipboard -t "$1" -i "$2" >/dev/null 2>&1
    e2e_wait_until 5 e2e_clipboard_offers "$1" || e2e_fail "xclip did not take the clipboard"
}

e2e_clipboard_targets() { timeout 5 xclip -o -selection clipboard -t TARGETS 2>/dev/null; }

e2e_clipboard_offers() { e2e_clipboard_targets | grep -qx -- "$1"; }

# The clipboard's text as UTF-8, as another program reads it. Fails if it cannot be read.
e2e_clipboard_text() { timeout 5 xclip -o -selection clipboard; }

# True when the clipboard's text is exactly $1.
e2e_clipboard_is() { [[ "$(e2e_clipboard_text; printf x)" == "$1x" ]]; }

# e2e_wait_clipboard TEXT [SECONDS]: waits until the clipboard holds TEXT; on failure says what
# it holds.
e2e_wait_clipboard() {
    local expected=$1 seconds=${2:-5}
    if ! e2e_wait_until "$seconds" e2e_clipboard_is "$expected"; then
        local actual
        actual=$(e2e_clipboard_text || true)
        e2e_expect_eq "clipboard text" "$expected" "$actual"
    fi
}

# A 16 × 16 red PNG at $E2E_TMP/picture.png.
e2e_make_png() {
    local file="$E2E_TMP/picture.png"
    if command -v convert >/dev/null; then
        convert -size 16x16 xc:red "PNG32:$file"
    else
        # A 1 × 1 PNG, written byte for byte.
        printf '\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x01\0\0\0\x01\x08\x06\0\0\0\x1f\x15\xc4\x89\0\0\0\rIDATx\x9cc\xf8\xcf\xc0\xf0\x1f\0\x05\0\x01\xff\x89\x99=\x1d\0\0\0\0IEND\xaeB`\x82' >"$file"
    fi
    printf '%s\n' "$file"
}

# e2e_region_hash WINDOW X Y WIDTH HEIGHT: a hash of the pixels of a part of the window's client
# area, to tell whether what it shows has changed.
e2e_region_hash() {
    import -window "$1" -crop "${4}x${5}+${2}+${3}" +repage rgba:- 2>/dev/null | md5sum | cut -d' ' -f1
}

# e2e_type WINDOW TEXT: types TEXT into the focused control of WINDOW.
e2e_type() {
    xdotool windowactivate --sync "$1" type --delay 20 -- "$2"
}

# e2e_clipboard_stays TEXT SECONDS: the clipboard still holds TEXT after SECONDS.
e2e_clipboard_stays() {
    sleep "$2"
    e2e_expect_eq "clipboard text (should not have changed)" "$1" "$(e2e_clipboard_text)"
}
