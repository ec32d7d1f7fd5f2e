#include "about/marquee.h"

namespace zurvane {

void clear_canvas(Canvas canvas) {
    canvas.window.fill_canvas(canvas.name);
    canvas.state.x = 0;
    canvas.state.y = 0;
}

void write_on_canvas(Canvas canvas, std::string_view text) {
    if (text.empty()) return;
    CanvasState& state = canvas.state;
    state.x += canvas.window.draw_on_canvas(canvas.name, state.x, state.y, state.text_colour, text);
}

void paint_marquee(Canvas canvas, RandomGenerator& random) {
    clear_canvas(canvas);
    const std::int64_t length = byte_length(contact_text);
    for (std::int64_t i = 1; i <= length; ++i) {
        // Separate statements keep the order red, green, blue.
        const int red = random.random_between(0, 180);
        const int green = random.random_between(0, 180);
        const int blue = random.random_between(0, 180);
        canvas.state.text_colour = colour_from_rgb(red, green, blue);
        write_on_canvas(canvas, slice(contact_text, i, 1));
    }
}

}  // namespace zurvane
