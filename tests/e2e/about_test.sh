#!/usr/bin/env bash
# The About window driven from outside: opened from the settings row, its first marquee tick
# seen on the screen in the colours every run starts with, Esc ignored, and the process living
# on after the main window has closed until the About window closes too.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

readonly main_title="Zurvane——Kelvoth"
readonly about_title="关于"
# Controls, in client coordinates: left top width height. The buttons are read through click's
# name reference.
# shellcheck disable=SC2034
readonly settings_button=(224 120 80 32)
# shellcheck disable=SC2034
readonly about_button=(240 216 48 17)
readonly canvas=(120 136 200 24)
# The first tick of the first About window of a run: its first and its last character.
readonly first_character_colour="41,5,180"
readonly last_character_colour="135,59,2"

now() { date +%s.%N; }
# Milliseconds from $1 to $2 (times from now).
elapsed_ms() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%d", (b - a) * 1000 }'; }

click() {
    local -n control=$1
    e2e_click_control "$main" "${control[0]}" "${control[1]}"
    xdotool mousemove 0 0
}

# The canvas's pixels as "r,g,b" lines, one per pixel, read from the screen.
canvas_pixels() {
    import -window "$about" -crop "${canvas[2]}x${canvas[3]}+${canvas[0]}+${canvas[1]}" +repage \
        -depth 8 rgb:- 2>/dev/null | od -An -v -tu1 -w3 | awk 'NF == 3 { print $1 "," $2 "," $3 }'
}

e2e_start_desktop
e2e_start_tool
main=$(e2e_find_window "$main_title" 15) ||
    e2e_fail "no window titled $main_title; stderr: $(cat "$E2E_TMP/tool.err")"
e2e_wait_outer_size "$main" 539 240 || e2e_fail "the main window did not settle at 539 x 240"

e2e_log "open the settings row, then click 关于"
click settings_button
e2e_wait_outer_size "$main" 539 267 || e2e_fail "the settings row did not open"
clicked_at=$(now)
click about_button
about=$(e2e_find_window "$about_title" 5) || e2e_fail "no window titled $about_title after the click"
found_at=$(now)
e2e_log "  About window $about seen $(elapsed_ms "$clicked_at" "$found_at") ms after the click"

# The window is made after the click, and its first tick comes a second after that; the second
# tick, a second later, draws every character anew in other colours. So the screen is read
# again and again from now on: the shot that shows both colours lies between the two ticks.
seen_at=
first_shot=
shots=0
while (($(elapsed_ms "$found_at" "$(now)") < 4000)); do
    pixels=$(canvas_pixels) || pixels=
    shot_end=$(now)
    shots=$((shots + 1))
    [[ -n "$first_shot" ]] || first_shot=$(sort -u <<<"$pixels" | awk 'NR <= 3' | tr '\n' ' ')
    if grep -qx "$first_character_colour" <<<"$pixels" &&
        grep -qx "$last_character_colour" <<<"$pixels"; then
        seen_at=$shot_end
        break
    fi
done
[[ -n "$seen_at" ]] || e2e_fail "in $shots screenshots of the canvas over 4 s no pixel had both \
($first_character_colour) and ($last_character_colour); the first showed: $first_shot"
seen_ms=$(elapsed_ms "$clicked_at" "$seen_at")
e2e_log "  the first tick's colours on the screen, shot $shots, taken by $seen_ms ms after the click"
# Taken well before a second had passed since the click, the shot would show a tick that came
# early. A system timer may be a little early (Qt's coarse timers by up to 5 %), not more.
((seen_ms >= 950)) || e2e_fail "the first tick came less than a second after the click ($seen_ms ms)"

e2e_log "the marquee goes on: the next tick draws other colours"
first_tick=$(canvas_pixels | md5sum)
canvas_changed() { [[ "$(canvas_pixels | md5sum)" != "$first_tick" ]]; }
e2e_wait_until 3 canvas_changed ||
    e2e_fail "the canvas did not change within 3 s of the first tick"

e2e_log "the About window is 394 x 194 and Esc leaves it open"
e2e_wait_outer_size "$about" 394 194 || e2e_fail "About window geometry is $(e2e_outer_geometry "$about")"
e2e_key "$about" Escape
sleep 0.5
e2e_window_shown "$about_title" || e2e_fail "Esc closed the About window"

e2e_log "close the main window with Esc: the process goes on with the About window"
e2e_key "$main" Escape
e2e_wait_until 5 bash -c "! xwininfo -id $main 2>/dev/null | grep -q IsViewable" ||
    e2e_fail "the main window did not close"
sleep 1
e2e_tool_gone && e2e_fail "the process ended with the main window although the About window was open"
e2e_window_shown "$about_title" || e2e_fail "the About window went with the main window"

e2e_log "close the About window (Alt+F4): the process ends with exit code 0"
e2e_key "$about" alt+F4
e2e_wait_tool_exit 10
code=$E2E_TOOL_EXIT
e2e_expect_eq "exit code" 0 "$code"
e2e_log "passed"
