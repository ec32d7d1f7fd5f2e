#!/usr/bin/env bash
# Latency of the global hotkey of zurvane.exe under Wine, measured from outside as for the
# Linux build (bench/hotkey_latency.sh): from the start of `xdotool key F1` until the tool owns
# the clipboard with the joined text, for 10 KiB of clipboard text, over repeated presses. Wine
# delivers the hotkey only while its window has the X focus, so the tool's window is active.
# Prints every sample, the median and the worst.
#
# Usage: bench/wine_hotkey_latency.sh [PRESSES]   (default 20)
# ZURVANE_EXE names the program (default: build/windows/app/windows/zurvane.exe). Uses the
# display in DISPLAY, else starts Xvfb with openbox and a Wine prefix of its own.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/stats.sh"
source "$here/../tests/windows/wine-env.sh"
source "$here/../tests/windows/x-session.sh"
source "$here/../tests/windows/x-helpers.sh"

readonly presses=${1:-20}
exe=${ZURVANE_EXE:-$here/../build/windows/app/windows/zurvane.exe}

work=$(mktemp -d "${TMPDIR:-/tmp}/zurvane-wine-bench.XXXXXX")
tool=""
cleanup() {
    [ -n "$tool" ] && kill "$tool" 2>/dev/null
    x_session_stop
    rm -rf "$work"
}
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
    x_session_start
    export ZURVANE_WINE_DIR="$ZURVANE_WINE_DIR/display${DISPLAY#:}"
    export WINEPREFIX="$ZURVANE_WINE_DIR/prefix"
fi
wine_env_setup

# The same 10 KiB of lines as the Linux measurement: LF ends, Chinese and Latin mixed, spaces
# to remove; the first line carries the press number so that every result is new.
body=""
while (($(printf '%s' "$body" | wc -c) < 10240 - 32)); do
    body+="  这是硬换行的一行文字 with some Latin words, 第$((${#body} % 1000))字  "$'\n'
done
make_lines() { printf '行首 %s 号\n%s' "$1" "$body"; }

probe="$work/clipboard_after_key"
c++ -O2 -o "$probe" "$here/../tests/e2e/clipboard_after_key.cpp" -lxcb

env "${wine_locale[@]}" wine "$exe" </dev/null >/dev/null 2>&1 &
tool=$!
main=$(find_window 'Zurvane')
[ -n "$main" ] || { echo "wine-latency: the tool did not show its window" >&2; exit 1; }
xdotool windowactivate --sync "$main"
sleep 0.5

samples=()
for ((press = 1; press <= presses; press++)); do
    expected=$(make_lines "$press" | tr -d ' \n')
    set_clipboard "$(make_lines "$press")"
    # The probe times the clipboard's change of owner only: Wine hands texts of this size over
    # incrementally, which it does not read. xclip reads the text afterwards.
    read -r owner_us _ < <("$probe" - 5 xdotool key --delay 0 F1) || {
        echo "wine-latency: press $press: the clipboard did not change" >&2
        exit 1
    }
    [ "$(wait_for "$expected" clipboard)" == "$expected" ] || {
        echo "wine-latency: press $press: not the joined text on the clipboard" >&2
        exit 1
    }
    samples+=("$owner_us")
    printf 'press %2d: %s ms\n' "$press" "$(ms "$owner_us")"
done

count=${#samples[@]}
read -r median worst < <(median_and_worst "${samples[@]}")
printf 'under Wine: clipboard text %s bytes of UTF-8, presses: %s\n' "$(make_lines 1 | wc -c)" "$count"
printf 'median: %s ms, worst: %s ms\n' "$(ms "$median")" "$(ms "$worst")"
