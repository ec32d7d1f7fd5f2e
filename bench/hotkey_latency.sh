#!/usr/bin/env bash
# Latency of the global hotkey, measured from outside the tool: from the start of
# `xdotool key F1` to the joined text being readable on the clipboard, for 10 KiB of clipboard
# text, over repeated presses on a private Xvfb display with openbox. A small X client
# (tests/e2e/clipboard_after_key.cpp) starts xdotool, watches the clipboard's owner and reads
# the text back. Prints every sample, the median and the worst.
#
# Usage: bench/hotkey_latency.sh [PRESSES]   (default 20)
# BUILD_DIR names the build (default: build/default).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/stats.sh"
source "$here/../tests/e2e/lib.sh"

readonly presses=${1:-20}
readonly target_ms=50
readonly build_dir=${BUILD_DIR:-$here/../build/default}
export ZURVANE_BIN=$build_dir/app/linux/zurvane

# 10 KiB of lines (LF ends, as other programs put them there), Chinese and Latin mixed, with
# spaces to remove; the first line carries the press number so that every result is new.
body=""
while (($(printf '%s' "$body" | wc -c) < 10240 - 32)); do
    body+="  这是硬换行的一行文字 with some Latin words, 第$((${#body} % 1000))字  "$'\n'
done
make_lines() { printf '行首 %s 号\n%s' "$1" "$body"; }


e2e_start_desktop
probe="$build_dir/tests/e2e/clipboard_after_key"
e2e_start_tool
e2e_find_window "Zurvane——Kelvoth" 15 >/dev/null || e2e_fail "the tool did not show its window"
sleep 0.5

samples=()
for ((press = 1; press <= presses; press++)); do
    make_lines "$press" | tr -d ' \n' >"$E2E_TMP/expected"
    e2e_set_clipboard_text "$(make_lines "$press")"
    read -r owner_us text_us < <("$probe" "$E2E_TMP/expected" 5 xdotool key --delay 0 F1) ||
        e2e_fail "press $press: no joined text on the clipboard"
    samples+=("$text_us")
    printf 'press %2d: %s ms (clipboard owned after %s ms)\n' "$press" "$(ms "$text_us")" \
        "$(ms "$owner_us")"
done

count=${#samples[@]}
read -r median worst < <(median_and_worst "${samples[@]}")
printf 'clipboard text: %s bytes of UTF-8 (%s in GBK), presses: %s\n' \
    "$(make_lines 1 | wc -c)" "$(make_lines 1 | iconv -f UTF-8 -t GBK | wc -c)" "$count"
printf 'median: %s ms, worst: %s ms (target: under %s ms)\n' "$(ms "$median")" "$(ms "$worst")" \
    "$target_ms"
