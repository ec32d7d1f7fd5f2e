// Colours as (red, green, blue), for readable expectations on canvas drawing.
#pragma once

#include <array>

#include "ui/window/platform.h"

namespace zurvane {

using Rgb = std::array<int, 3>;

inline Rgb rgb(Colour colour) {
    return {static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
            static_cast<int>((colour >> 16) & 0xFF)};
}

}  // namespace zurvane
