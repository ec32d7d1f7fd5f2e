#!/usr/bin/env bash
# The global hotkey driven from outside, as a user would: F1 joins the clipboard's lines from
# any program, with Num Lock on too; another program holding F1 leaves the tool without a
# hotkey, silently; the hotkey window changes the key, and closing it unsaved keeps the old one.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

readonly title="Zurvane——Kelvoth"
readonly hotkey_title="定义快捷键"
readonly box_title="╮(╯▽╰)╭认真点嘛"
# Controls, in client coordinates: left top.
readonly settings_button=(224 120)
readonly change_key_button=(136 216)
readonly save_button=(72 64)
readonly lines=$' one \n two\n\nthree \n'
readonly joined="onetwothree"

# A program of our own that holds a key, built with the tests.
readonly grab_key_program="${ZURVANE_BUILD_DIR:?}/tests/e2e/grab_key"

start_tool() {
    e2e_start_tool
    window=$(e2e_find_window "$title" 15) ||
        e2e_fail "no window titled $title; stderr: $(cat "$E2E_TMP/tool.err")"
    xdotool windowactivate --sync "$window"
}

stop_tool() {
    e2e_key "$window" Escape
    local code
    e2e_wait_tool_exit 10
    code=$E2E_TOOL_EXIT
    e2e_expect_eq "exit code" 0 "$code"
}

# expect_key_joins KEY: with lines on the clipboard, KEY leaves them joined there.
expect_key_joins() {
    e2e_set_clipboard_text "$lines"
    xdotool key "$1"
    e2e_wait_clipboard "$joined"
}

# expect_key_does_nothing KEY: KEY leaves the clipboard alone and shows no box.
expect_key_does_nothing() {
    e2e_set_clipboard_text "$lines"
    xdotool key "$1"
    sleep 0.5
    e2e_clipboard_is "$lines" || e2e_fail "$1 changed the clipboard to '$(e2e_clipboard_text)'"
    if e2e_window_shown "$box_title"; then e2e_fail "$1 showed a message box"; fi
}

hotkey_window_focused() { [ "$(xdotool getwindowfocus)" == "$hotkey_window" ]; }

# Opens the hotkey window through the settings row; sets hotkey_window.
open_hotkey_window() {
    e2e_click_control "$window" "${change_key_button[@]}"
    hotkey_window=$(e2e_find_window "$hotkey_title" 10) || e2e_fail "no window titled $hotkey_title"
    e2e_wait_until 5 hotkey_window_focused ||
        e2e_fail "the hotkey window does not have the focus"
}

# The client area reaches below the settings row's buttons (top 216, 17 high).
settings_row_shown() {
    local x y w h
    read -r x y w h < <(e2e_client_geometry "$window")
    ((h >= 233))
}

wait_hotkey_window_closed() {
    e2e_wait_until 5 bash -c "! xdotool search --onlyvisible --name '$hotkey_title'" ||
        e2e_fail "the hotkey window stayed open"
}

e2e_start_desktop
start_tool

e2e_log "F1 joins the clipboard's lines while the tool's window has the focus"
expect_key_joins F1

e2e_log "F1 works while another program's window has the focus"
xmessage -geometry +0+0 -title "another program" "another program" &
E2E_PIDS+=($!)
other=$(e2e_find_window "another program" 10) || e2e_fail "xmessage did not show"
xdotool windowactivate --sync "$other"
e2e_expect_eq "focused window" "$other" "$(xdotool getwindowfocus)"
expect_key_joins F1
e2e_expect_eq "focused window after F1" "$other" "$(xdotool getwindowfocus)"

e2e_log "F1 works with Num Lock on, and with Caps Lock on as well"
xdotool key Num_Lock
expect_key_joins F1
xdotool key Caps_Lock
expect_key_joins F1
xdotool key Caps_Lock Num_Lock

e2e_log "the settings row shown, 更改快捷键 opens the hotkey window"
xdotool windowactivate --sync "$window"
e2e_click_control "$window" "${settings_button[@]}"
e2e_wait_until 5 settings_row_shown ||
    e2e_fail "the settings row did not show: client area $(e2e_client_geometry "$window")"
open_hotkey_window

e2e_log "while it is open, F1 (still in force) runs one-click on the main window"
expect_key_joins F1
e2e_window_shown "$hotkey_title" || e2e_fail "F1 closed the hotkey window"

e2e_log "F2 pressed, then Esc without 保存: F1 stays in force, F2 does nothing"
xdotool key F2 Escape
wait_hotkey_window_closed
expect_key_joins F1
expect_key_does_nothing F2

e2e_log "F2 pressed and saved: F2 is the hotkey, F1 no longer"
open_hotkey_window
xdotool key F2
e2e_click_control "$hotkey_window" "${save_button[@]}"
wait_hotkey_window_closed
expect_key_joins F2
expect_key_does_nothing F1

e2e_log "F3 pressed, then closed by the window manager (Alt+F4): F2 stays in force"
open_hotkey_window
xdotool key F3
xdotool key alt+F4
wait_hotkey_window_closed
expect_key_joins F2
expect_key_does_nothing F3

e2e_log "Ctrl+Shift+A saved: the bare A key is the hotkey"
open_hotkey_window
xdotool key ctrl+shift+a
e2e_click_control "$hotkey_window" "${save_button[@]}"
wait_hotkey_window_closed
expect_key_joins a
expect_key_does_nothing F2

e2e_log "presses while one-click's box is open are ignored: one box, not one per press"
e2e_set_clipboard_file image/png "$(e2e_make_png)"
xdotool key a
box=$(e2e_find_window "$box_title" 10) || e2e_fail "no box titled $box_title"
xdotool key a a a
sleep 0.5
boxes=$(xdotool search --onlyvisible --name '认真点嘛' | wc -l)
e2e_expect_eq "boxes open" 1 "$boxes"
e2e_key "$box" Return
e2e_wait_until 5 bash -c "! xdotool search --onlyvisible --name '认真点嘛'" || e2e_fail "the box stayed open"
expect_key_joins a
stop_tool

e2e_log "another program holds F1 before start-up: F1 does nothing here, silently"
"$grab_key_program" >"$E2E_TMP/grab_key.out" 2>&1 &
E2E_PIDS+=($!)
e2e_wait_until 10 grep -qx grabbed "$E2E_TMP/grab_key.out" ||
    e2e_fail "grab_key could not grab F1: $(cat "$E2E_TMP/grab_key.out")"
start_tool
expect_key_does_nothing F1
e2e_log "  with Num Lock on as well (no grab of the tool's was left behind)"
xdotool key Num_Lock
expect_key_does_nothing F1
xdotool key Num_Lock
e2e_log "  the button still works"
e2e_set_clipboard_text "$lines"
e2e_click_control "$window" 224 168
e2e_wait_clipboard "$joined"
stop_tool
e2e_log "PASS"
