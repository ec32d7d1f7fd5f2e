#!/usr/bin/env bash
# zurvane.exe under Wine, driven as a user would with xdotool and xclip: the hotkey joins the
# clipboard's lines, the window's title and outer size, the settings toggle, the "中文" button,
# the box for a clipboard without text, and Esc ending the program with exit code 0.
#
#   ZURVANE_EXE   the program (CTest sets it)
# Uses the display in DISPLAY (scripts/test-windows starts one with a window manager), else
# starts its own, with a Wine prefix of its own.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
exe=${ZURVANE_EXE:?ZURVANE_EXE names zurvane.exe}
source "$here/wine-env.sh"
source "$here/x-session.sh"
source "$here/x-helpers.sh"

tool=""
cleanup() {
    [ -n "$tool" ] && kill "$tool" 2>/dev/null
    x_session_stop
}
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
    x_session_start
    # A prefix whose wineserver serves another display must not be shared.
    export ZURVANE_WINE_DIR="$ZURVANE_WINE_DIR/display${DISPLAY#:}"
    export WINEPREFIX="$ZURVANE_WINE_DIR/prefix"
fi
wine_env_setup

failures=0
check() {  # description, expected, actual
    if [ "$2" == "$3" ]; then
        echo "ok: $1"
    else
        echo "FAILED: $1"
        echo "  expected: $(printf '%s' "$2" | od -An -tx1 | tr -s ' \n' ' ')"
        echo "  actual:   $(printf '%s' "$3" | od -An -tx1 | tr -s ' \n' ' ')"
        failures=$((failures + 1))
    fi
}

echo "e2e: zurvane.exe under Wine on $DISPLAY"
set_clipboard $'第一行 \n second line\n\n  第三行\n'
env "${wine_locale[@]}" wine "$exe" </dev/null >/dev/null 2>&1 &
tool=$!

main=$(find_window 'Zurvane')
[ -n "$main" ] || { echo "FAILED: no main window"; exit 1; }
check "the main window's title" "Zurvane——Kelvoth" "$(xdotool getwindowname "$main")"
check "the main window's outer size" "539x240" "$(window_size "$main")"

# Wine delivers the hotkey only while one of its windows has the X focus.
xdotool windowactivate --sync "$main"
xdotool key F1
check "F1 leaves the joined text on the clipboard" "第一行secondline第三行" \
    "$(wait_for "第一行secondline第三行" clipboard)"

click_control "$main" 224 120 80 32  # 设置
check "设置 expands the window" "539x267" "$(wait_for 539x267 window_size "$main")"
click_control "$main" 224 120 80 32  # 收起
check "收起 collapses it again" "539x240" "$(wait_for 539x240 window_size "$main")"

click_control "$main" 224 120 80 32  # 设置 again: the row with "中文" comes into view
wait_for 539x267 window_size "$main" >/dev/null
set_clipboard 'Hello, world!'
click_control "$main" 456 216 32 17  # 中文
check "中文 converts the clipboard's punctuation" "Hello，　world！" \
    "$(wait_for "Hello，　world！" clipboard)"

set_clipboard_picture
xdotool windowactivate --sync "$main"
xdotool key F1
box=$(find_window '认真点嘛')
check "a clipboard with only a picture gets the box" "╮(╯▽╰)╭认真点嘛" \
    "$( [ -n "$box" ] && xdotool getwindowname "$box")"
if [ -n "$box" ]; then
    xdotool windowactivate --sync "$box"
    xdotool key Return
    check "the box closes with its OK button" "" \
        "$(wait_for "" xdotool search --onlyvisible --name '认真点嘛')"
fi
check "the picture stays on the clipboard" "image/png" "$(offers_picture)"

xdotool windowactivate --sync "$main"
xdotool key Escape
for _ in $(seq 1 100); do
    kill -0 "$tool" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$tool" 2>/dev/null; then
    echo "FAILED: Esc did not end the program"
    failures=$((failures + 1))
else
    status=0
    wait "$tool" || status=$?
    tool=""
    check "Esc ends the program with exit code 0" 0 "$status"
fi

if [ "$failures" -ne 0 ]; then
    echo "e2e: $failures check(s) failed"
    exit 1
fi
echo "e2e: all checks passed"
