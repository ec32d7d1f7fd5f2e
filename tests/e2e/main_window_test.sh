#!/usr/bin/env bash
# The main window driven from outside, as a user would: its title and outer size, the settings
# toggle, one-click on text and on a picture, the punctuation buttons, Esc.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

readonly title="Zurvane——Kelvoth"
readonly box_title="╮(╯▽╰)╭认真点嘛"
# Controls, in client coordinates: left top width height.
readonly settings_button=(224 120 80 32)
readonly one_click_button=(224 168 80 32)
readonly chinese_button=(456 216 32 17)
readonly english_button=(496 216 32 17)

click() {
    local -n control=$1
    e2e_click_control "$window" "${control[0]}" "${control[1]}"
    xdotool mousemove 0 0
}

caption_hash() {
    e2e_region_hash "$window" "${settings_button[@]}"
}

outer() { e2e_outer_geometry "$window"; }

e2e_start_desktop
e2e_start_tool
window=$(e2e_find_window "$title" 15) || e2e_fail "no window titled $title; stderr: $(cat "$E2E_TMP/tool.err")"
e2e_log "window $window is titled $title"

e2e_log "outer size at start is 539 x 240"
e2e_wait_outer_size "$window" 539 240 || e2e_fail "outer geometry is $(outer), not 539 x 240"
read -r x0 y0 _ _ < <(outer)
e2e_log "  top-left corner at ($x0, $y0)"
e2e_expect_eq "left edge (centred on the 1280-pixel screen)" $(((1280 - 539) / 2)) "$x0"
e2e_expect_eq "top edge (centred for the defined height 267)" $(((1024 - 267) / 2)) "$y0"

# The caption is compared as pixels: in the same state each time, focused and not under the
# mouse. Seven Tabs from the first edit box reach the settings button, passing the settings
# row although it is out of sight.
e2e_key "$window" Tab Tab Tab Tab Tab Tab Tab
xdotool mousemove 0 0
sleep 0.2
collapsed_caption=$(caption_hash)
caption_is_collapsed() { [ "$(caption_hash)" == "$collapsed_caption" ]; }
caption_changed() { ! caption_is_collapsed; }

e2e_log "click 设置: 267 high, the caption changes, the corner stays"
click settings_button
e2e_wait_outer_size "$window" 539 267 || e2e_fail "after one click outer geometry is $(outer)"
read -r x y _ _ < <(outer)
e2e_expect_eq "top-left corner after expanding" "$x0 $y0" "$x $y"
e2e_wait_until 5 caption_changed ||
    e2e_fail "the caption of the settings button did not change"

e2e_log "click it again: back to 240 and the first caption"
click settings_button
e2e_wait_outer_size "$window" 539 240 || e2e_fail "after two clicks outer geometry is $(outer)"
read -r x y _ _ < <(outer)
e2e_expect_eq "top-left corner after collapsing" "$x0 $y0" "$x $y"
e2e_wait_until 5 caption_is_collapsed ||
    e2e_fail "the caption did not come back"

e2e_log "one-click joins the lines of the clipboard (LF line ends, spaces removed)"
e2e_set_clipboard_text $'  第一行，有空格 \n\n第二行😀\nthird line\n'
click one_click_button
e2e_wait_clipboard "第一行，有空格第二行😀thirdline"

e2e_log "one-click on a clipboard that holds only a picture: the box, the picture stays"
picture=$(e2e_make_png)
e2e_set_clipboard_file image/png "$picture"
click one_click_button
box=$(e2e_find_window "$box_title" 10) || e2e_fail "no box titled $box_title"
e2e_clipboard_offers image/png || e2e_fail "the picture left the clipboard while the box is open"
e2e_log "  close the box with Enter"
e2e_key "$box" Return
e2e_wait_until 5 bash -c "! xdotool search --onlyvisible --name '认真点嘛'" || e2e_fail "the box stayed open"
sleep 0.3  # one-click would go on now if it did not stop
targets=$(e2e_clipboard_targets)
grep -qx image/png <<<"$targets" || e2e_fail "the picture is gone; targets: $targets"
if grep -qx UTF8_STRING <<<"$targets"; then e2e_fail "text replaced the picture: $(e2e_clipboard_text)"; fi
cmp -s "$picture" <(timeout 5 xclip -o -selection clipboard -t image/png) ||
    e2e_fail "the picture on the clipboard changed"

e2e_log "中文 and 英文 convert the clipboard (settings row shown first)"
click settings_button
e2e_wait_outer_size "$window" 539 267 || e2e_fail "could not expand: $(outer)"
e2e_set_clipboard_text $'Hi, you.\n(ok) ~'
click chinese_button
e2e_wait_clipboard $'Hi，　you。\n（ok）　～'
e2e_set_clipboard_text $'你好，世界。（测试）　１２３'
click english_button
e2e_wait_clipboard $'你好,世界.(测试) 123'

e2e_log "Esc closes the window and the tool ends with exit code 0"
e2e_key "$window" Escape
e2e_wait_tool_exit 10
code=$E2E_TOOL_EXIT
e2e_expect_eq "exit code" 0 "$code"
e2e_log "PASS"
