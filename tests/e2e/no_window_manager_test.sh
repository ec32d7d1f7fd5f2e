#!/usr/bin/env bash
# Without a window manager there is no frame: the whole outer size is client area, centred for
# the defined size, and the settings toggle still changes only the height.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

e2e_setup_tmp
e2e_start_x
e2e_start_tool
window=$(e2e_find_window "Zurvane——Kelvoth" 15) || e2e_fail "no main window; stderr: $(cat "$E2E_TMP/tool.err")"

client_geometry_is() { [ "$(e2e_client_geometry "$window")" == "$1" ]; }

e2e_log "client area 539 x 240 at the centre for 539 x 267"
expected="$(((1280 - 539) / 2)) $(((1024 - 267) / 2)) 539 240"
e2e_wait_until 5 client_geometry_is "$expected" ||
    e2e_expect_eq "client geometry" "$expected" "$(e2e_client_geometry "$window")"

e2e_log "设置 makes it 267 high in place"
e2e_click_control "$window" 224 120
expected="$(((1280 - 539) / 2)) $(((1024 - 267) / 2)) 539 267"
e2e_wait_until 5 client_geometry_is "$expected" ||
    e2e_expect_eq "client geometry after 设置" "$expected" "$(e2e_client_geometry "$window")"

e2e_log "Esc ends the tool with exit code 0"
e2e_click_control "$window" 6 19
xdotool key Escape  # no window manager: the key goes to the window under the pointer
e2e_wait_tool_exit 10
code=$E2E_TOOL_EXIT
e2e_expect_eq "exit code" 0 "$code"
e2e_log "PASS"
