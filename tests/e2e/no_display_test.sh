#!/usr/bin/env bash
# Without a display to show a window on, the tool says so on standard error and ends with
# exit code 255 (-1), without crashing.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup_tmp

# run_without CASE ENV...: runs the tool with the environment changed as given.
run_without() {
    local case=$1 code=0
    shift
    e2e_log "$case"
    env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY "$@" timeout 20 "$ZURVANE_BIN" \
        >"$E2E_TMP/out" 2>"$E2E_TMP/err" || code=$?
    e2e_expect_eq "exit code ($case)" 255 "$code"
    grep -qi 'display' "$E2E_TMP/err" || e2e_fail "no word about the display on stderr: $(cat "$E2E_TMP/err")"
    e2e_log "  stderr: $(cat "$E2E_TMP/err")"
}

[[ -x "${ZURVANE_BIN:-}" ]] || e2e_fail "ZURVANE_BIN is not a program"
run_without "DISPLAY not set" -u DISPLAY
# A display number nobody serves (a socket path that does not exist).
run_without "DISPLAY names no server" DISPLAY=":65000"
e2e_log "PASS"
