// The About window's marquee: once a second the contact line is drawn anew on the canvas, each
// character in a colour of its own from the random-number generator.
#pragma once

#include <string_view>

#include "about/random_numbers.h"
#include "text/text.h"
#include "ui/window/platform.h"

namespace zurvane {

// The author's contact line. The marquee walks it byte by byte, so it stays single-byte ASCII.
inline constexpr std::string_view contact_text = "QQ:374205196";

// What the canvas remembers between drawings; the window draws straight to the screen and keeps
// neither. Each About window starts with a fresh one: position (0, 0), black text.
struct CanvasState {
    int x = 0, y = 0;  // the writing position
    Colour text_colour = 0;
};

// A canvas of a window together with its writing state.
struct Canvas {
    Window& window;
    std::string_view name;
    CanvasState& state;
};

// Fills the whole canvas with its background colour and puts the writing position at (0, 0);
// the text colour stays.
void clear_canvas(Canvas canvas);
// Draws text (without CR or LF) at the writing position in the current text colour and moves
// the position right by its width. An empty text draws nothing.
void write_on_canvas(Canvas canvas, std::string_view text);

// Colour value red + 256 × green + 65536 × blue.
constexpr Colour colour_from_rgb(int red, int green, int blue) {
    return static_cast<Colour>(red) + 256u * static_cast<Colour>(green) +
           65536u * static_cast<Colour>(blue);
}

// One tick: clears the canvas and writes contact_text character by character, each in the
// colour of three numbers from 0 to 180 (red, green, blue, drawn in that order).
void paint_marquee(Canvas canvas, RandomGenerator& random);

}  // namespace zurvane
