#!/usr/bin/env bash
# The main window's keyboard: Enter makes a line break in an edit box (which the line joiner
# sees as CR LF), Tab and Shift+Tab leave and re-enter it without typing a tab, Enter clicks no
# button, Space does, the arrow keys move between the radio buttons, Esc in an edit box closes.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

readonly source_box=(6 19)
readonly convert_button=(224 20)
readonly copy_button=(224 56)

click() {
    local -n control=$1
    e2e_click_control "$window" "${control[0]}" "${control[1]}"
}

e2e_start_desktop
e2e_start_tool
window=$(e2e_find_window "Zurvane——Kelvoth" 15) || e2e_fail "no main window; stderr: $(cat "$E2E_TMP/tool.err")"

e2e_log "type two lines into the source box, leaving it with Tab and coming back with Shift+Tab"
click source_box
e2e_key "$window" ctrl+a
e2e_type "$window" "ab"
e2e_key "$window" Return
e2e_type "$window" "cd"
e2e_key "$window" Tab shift+Tab
e2e_type "$window" "ef"
e2e_log "convert and copy: the lines are joined, no tab was typed"
click convert_button
click copy_button
e2e_wait_clipboard "abcdef"

e2e_log "Enter on the focused copy button clicks nothing; Space clicks it"
e2e_set_clipboard_text "left alone"
e2e_key "$window" Return
e2e_clipboard_stays "left alone" 0.5
e2e_key "$window" space
e2e_wait_clipboard "abcdef"

e2e_log "Tab twice to the radio button 是, Left checks 否: spaces are kept"
e2e_key "$window" Tab Tab Left
click source_box
e2e_key "$window" ctrl+a
e2e_type "$window" "a b"
click convert_button
click copy_button
e2e_wait_clipboard "a b"

e2e_log "Esc in the source box closes the window; exit code 0"
click source_box
e2e_key "$window" Escape
e2e_wait_tool_exit 10
code=$E2E_TOOL_EXIT
e2e_expect_eq "exit code" 0 "$code"
e2e_log "PASS"
