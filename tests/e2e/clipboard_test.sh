#!/usr/bin/env bash
# The clipboard against other X clients: a large text (sent in pieces both ways), an empty text,
# and an owner that does not answer, which must not be taken for an empty text.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

readonly title="Zurvane——Kelvoth"
readonly box_title="╮(╯▽╰)╭认真点嘛"
readonly settings_button=(224 120)
readonly one_click_button=(224 168)
readonly chinese_button=(456 216)

click() {
    local -n control=$1
    e2e_click_control "$window" "${control[0]}" "${control[1]}"
}

# Closes the "no text" box, which must be open now.
close_box() {
    local box
    box=$(e2e_find_window "$box_title" 15) || e2e_fail "no box titled $box_title"
    e2e_key "$box" Return
    e2e_wait_until 5 bash -c "! xdotool search --onlyvisible --name '认真点嘛'" || e2e_fail "the box stayed open"
}

e2e_start_desktop
e2e_start_tool
window=$(e2e_find_window "$title" 15) || e2e_fail "no main window; stderr: $(cat "$E2E_TMP/tool.err")"

e2e_log "one-click on about 1.5 MB of Chinese lines (transferred in pieces both ways)"
line="这是一行中文文本，用来测试很长的剪贴板内容。"
for ((i = 0; i < 25000; i++)); do printf '%s%05d\n' "$line" "$i"; done >"$E2E_TMP/lines.txt"
tr -d '\n' <"$E2E_TMP/lines.txt" >"$E2E_TMP/joined.txt"
xclip -selection clipboard -i "$E2E_TMP/lines.txt" >/dev/null 2>&1
e2e_wait_until 5 e2e_clipboard_offers UTF8_STRING || e2e_fail "xclip did not take the clipboard"
click one_click_button
big_joined() {
    timeout 10 xclip -o -selection clipboard >"$E2E_TMP/result.txt" 2>/dev/null &&
        cmp -s "$E2E_TMP/joined.txt" "$E2E_TMP/result.txt"
}
e2e_wait_until 30 big_joined || e2e_fail "the joined text differs: $(cmp "$E2E_TMP/joined.txt" "$E2E_TMP/result.txt" 2>&1 | head -1)"

e2e_log "an empty clipboard text: one-click leaves an empty text, no box"
printf '' | xclip -selection clipboard -i >/dev/null 2>&1
e2e_wait_until 5 e2e_clipboard_offers UTF8_STRING || e2e_fail "xclip did not take the clipboard"
click one_click_button
tool_owns_empty_text() {
    e2e_clipboard_offers TIMESTAMP && [[ -z "$(e2e_clipboard_text)" ]]
}
e2e_wait_until 5 tool_owns_empty_text || e2e_fail "clipboard is not an empty text of ours: targets $(e2e_clipboard_targets | tr '\n' ' ')"
if e2e_window_shown "$box_title"; then e2e_fail "a box came up for an empty text"; fi
e2e_log "  one-click on the tool's own empty text: still no box"
click one_click_button
sleep 0.5
if e2e_window_shown "$box_title"; then e2e_fail "a box came up for the tool's own empty text"; fi
tool_owns_empty_text || e2e_fail "the clipboard no longer holds the tool's empty text"

e2e_log "an owner that does not answer: the box, and its text is not overwritten"
printf 'frozen text' | xclip -selection clipboard -i -quiet >/dev/null 2>&1 &
frozen=$!
E2E_PIDS+=("$frozen")
e2e_wait_until 5 e2e_clipboard_is "frozen text" || e2e_fail "xclip did not take the clipboard"
kill -STOP "$frozen"
click one_click_button
close_box
e2e_log "  中文 as well"
click settings_button
click chinese_button
close_box
kill -CONT "$frozen"
e2e_expect_eq "the frozen owner's text" "frozen text" "$(e2e_clipboard_text)"

e2e_log "the tool still answers: one-click on a fresh text"
e2e_set_clipboard_text $'still\nhere'
click one_click_button
e2e_wait_clipboard "stillhere"
e2e_log "PASS"
