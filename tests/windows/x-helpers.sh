# Sourced: what the Wine end-to-end test and the latency benchmark do on the X display.

clipboard() { xclip -selection clipboard -o 2>/dev/null || true; }

# xclip stays behind to serve the text until another program takes the clipboard; it must
# not keep the caller's output open. It takes the clipboard in the background: wait for that,
# or a program reading at once would get the old contents.
set_clipboard() {
    printf '%s' "$1" | xclip -selection clipboard -i >/dev/null 2>&1
    local readable=$1  # as $(clipboard) reads it: without the final line ends
    while [[ $readable == *$'\n' ]]; do readable=${readable%$'\n'}; done
    wait_for "$readable" clipboard >/dev/null
}

clipboard_targets() { xclip -selection clipboard -o -t TARGETS 2>/dev/null || true; }

# A 1 x 1 PNG: a picture and no text.
set_clipboard_picture() {
    base64 -d <<<'iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mP8z8BQDwAEhQGAhKmMIQAAAABJRU5ErkJggg==' |
        xclip -selection clipboard -t image/png -i >/dev/null 2>&1
    wait_for image/png offers_picture >/dev/null
}
offers_picture() { clipboard_targets | grep -x image/png || true; }

# Waits up to 10 s for a command's output to equal the expected text; prints the last output.
wait_for() {  # expected, command...
    local expected=$1 actual=""
    shift
    for _ in $(seq 1 100); do
        actual=$("$@" 2>/dev/null) || true
        [ "$actual" == "$expected" ] && break
        sleep 0.1
    done
    printf '%s' "$actual"
}

# The first visible window whose title matches, waiting up to 15 s; empty if none came.
find_window() {  # title pattern
    local found=""
    for _ in $(seq 1 150); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) || true
        [ -n "$found" ] && break
        sleep 0.1
    done
    printf '%s' "$found"
}

# Outer size as WIDTHxHEIGHT: Wine draws the frame itself (the prefix's Decorated=N), so the
# X window is the whole Windows window.
window_size() {
    xdotool getwindowgeometry --shell "$1" |
        awk -F= '$1 == "WIDTH" {w = $2} $1 == "HEIGHT" {h = $2} END {print w "x" h}'
}

# A click at a control's centre, given in client coordinates; the frame Wine draws adds about
# 3 pixels at the sides and the title bar above, well within the controls' size.
click_control() {  # window, client left, top, width, height
    xdotool mousemove --window "$1" $(($2 + $4 / 2 + 3)) $(($3 + $5 / 2 + 22)) click 1
    sleep 0.3
}
