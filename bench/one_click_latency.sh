#!/usr/bin/env bash
# End-to-end timings of the desktop tool, from outside the process, on a private Xvfb display
# with openbox: start-up until the main window is mapped, and a click of "一键操作" until the
# joined text is on the clipboard (the tool owns it) for 10 KiB, 1 MiB and 10 MiB of Chinese
# prose. Each result is checked byte for byte afterwards, and after the largest the tool must
# still answer a click of "设置".
#
# Usage: bench/one_click_latency.sh [RUNS]   (default 5; the 10 MiB case runs once)
# BUILD_DIR names the build (default: build/default).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/stats.sh"
source "$here/../tests/e2e/lib.sh"

readonly runs=${1:-5}
readonly build_dir=${BUILD_DIR:-$here/../build/default}
export ZURVANE_BIN=$build_dir/app/linux/zurvane
readonly clipboard_probe=$build_dir/tests/e2e/clipboard_after_key
readonly map_probe=$build_dir/tests/e2e/time_to_map


# summary NAME SAMPLE_US...: median and worst in milliseconds.
summary() {
    local name=$1 median worst
    shift
    read -r median worst < <(median_and_worst "$@")
    printf '%-22s median %8s ms  worst %8s ms  (%d runs)\n' "$name" "$(ms "$median")" \
        "$(ms "$worst")" $#
}

# Chinese prose, one short line after another with LF ends, as a PDF viewer copies it.
make_prose() {
    local bytes=$1 line="这是从扫描书中复制出来的一行文字，每一行的末尾都有一个硬换行。"
    local count=$((bytes / (${#line} * 3 + 1) + 1))
    awk -v line="$line" -v count="$count" 'BEGIN { for (i = 0; i < count; i++) print line }'
}

e2e_start_desktop

e2e_log "start-up until the main window is mapped"
samples=()
for ((run = 1; run <= runs; run++)); do
    us=$("$map_probe" 10 "$ZURVANE_BIN")
    samples+=("$us")
    pkill -f "^$ZURVANE_BIN\$" || true
    sleep 0.3
done
startup=$(summary "start-up" "${samples[@]}")

e2e_start_tool
window=$(e2e_find_window "Zurvane——Kelvoth" 15) || e2e_fail "the tool did not show its window"
sleep 0.5
# The button's centre, in screen coordinates: the pointer waits there before each timed click.
read -r cx cy _ _ < <(e2e_client_geometry "$window")
readonly button_x=$((cx + 224 + 40)) button_y=$((cy + 168 + 16))

results=("$startup")
for size in 10240 1048576 10485760; do
    make_prose "$size" >"$E2E_TMP/source"
    tr -d '\n' <"$E2E_TMP/source" >"$E2E_TMP/expected"
    n=$runs
    ((size < 10485760)) || n=1
    samples=()
    for ((run = 1; run <= n; run++)); do
        e2e_set_clipboard_file UTF8_STRING "$E2E_TMP/source"
        xdotool mousemove "$button_x" "$button_y"
        read -r owner_us _ < <("$clipboard_probe" - 120 xdotool click 1) ||
            e2e_fail "no result on the clipboard for $size bytes"
        samples+=("$owner_us")
        timeout 60 xclip -o -selection clipboard >"$E2E_TMP/result"
        cmp -s "$E2E_TMP/expected" "$E2E_TMP/result" || e2e_fail "wrong result for $size bytes"
    done
    results+=("$(summary "one-click $((size / 1024)) KiB" "${samples[@]}")")
done

e2e_log "still responsive: 设置 expands the window"
e2e_click_control "$window" 224 120
e2e_wait_outer_size "$window" 539 267 10 || e2e_fail "the tool did not answer after 10 MiB"

printf '%s\n' "${results[@]}"
