#!/usr/bin/env bash
# Screenshots of the main window for the README, made under Xvfb with openbox:
#   docs/main-window-collapsed.png and docs/main-window-expanded.png (window with its frame).
# Usage: scripts/screenshots.sh [path of the zurvane program]  (default: build/default/app/linux/zurvane)
# Needs: xvfb, openbox, xdotool, x11-utils, imagemagick.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
export ZURVANE_BIN=${1:-${ZURVANE_BIN:-$repo/build/default/app/linux/zurvane}}
source "$repo/tests/e2e/lib.sh"

# capture WINDOW FILE: the window with its frame, as it is on the screen.
capture() {
    local x y w h
    read -r x y w h < <(e2e_outer_geometry "$1")
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "PNG32:$2"
    e2e_log "wrote $2 (${w} x ${h})"
}

mkdir -p "$repo/docs"
e2e_start_desktop
e2e_start_tool
window=$(e2e_find_window "Zurvane——Kelvoth" 15) || e2e_fail "no main window: $(cat "$E2E_TMP/tool.err")"
e2e_wait_outer_size "$window" 539 240 || e2e_fail "the window is not 539 x 240"
xdotool mousemove 0 0
sleep 0.5  # let the first paint settle
capture "$window" "$repo/docs/main-window-collapsed.png"

e2e_click_control "$window" 224 120  # 设置
xdotool mousemove 0 0
e2e_wait_outer_size "$window" 539 267 || e2e_fail "the window did not expand"
sleep 0.5
capture "$window" "$repo/docs/main-window-expanded.png"
