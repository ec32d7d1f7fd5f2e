// Seeded random byte strings made of pieces that hit the character-boundary and space rules.
#pragma once

#include <cstdint>
#include <random>
#include <string>

namespace zurvane::testing {

class RandomTexts {
public:
    explicit RandomTexts(std::uint32_t seed) : engine_(seed) {}

    // A text of about max_pieces pieces; long runs of one piece now and then, so that runs of
    // spaces and clean stretches cross the 64-byte blocks of the fast paths.
    std::string next(int max_pieces) {
        std::string text;
        const int pieces = below(max_pieces + 1);
        for (int i = 0; i < pieces; ++i) {
            const std::string piece = next_piece();
            const int repeat = below(8) == 0 ? 1 + below(80) : 1;
            for (int r = 0; r < repeat; ++r) text += piece;
        }
        if (below(6) == 0) text += static_cast<char>(0x80 + below(0x80));  // lone lead byte
        return text;
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }
    char byte(int value) { return static_cast<char>(value); }

    std::string next_piece() {
        static const char* const kFixed[] = {
            " ",        "\xA1\xA1", "\r",       "\n",       "\t",       "\r\n",     "\r\n\r\n",
            ".",        ",",        "!",        "~",        "\"",       "'",        "$",
            "a",        "Z",        "0",        "9",        "\x7F",     "\xA1\xA3", "\xA1\xAB",
            "\xA1\xEE", "\xA1\xEF", "\xA3\xFE", "\xA3\xAC", "\xA3\xAE", "\xA3\xB0", "\xA3\xC1",
            "\xA3\xFA", "\xA3\xDA", "\xB0\xA1", "\xA1\xB0", "\xA1",     "\xA3",     "\xD6\xD0",
        };
        constexpr int kFixedCount = sizeof kFixed / sizeof kFixed[0];
        switch (below(4)) {
            case 0: {  // a lead byte with a second byte that looks like something else
                static const int kSeconds[] = {0x20, 0x0D, 0x0A, 0x2E, 0xA1, 0xA3, 0x41};
                std::string pair(1, byte(0x80 + below(0x80)));
                pair += byte(kSeconds[below(7)]);
                return pair;
            }
            case 1: {  // A3 with any second byte, or any ASCII byte
                if (below(2) == 0) return std::string{byte(0xA3), byte(0x80 + below(0x80))};
                return std::string(1, byte(1 + below(0x7F)));
            }
            default:
                return kFixed[below(kFixedCount)];
        }
    }

    std::mt19937 engine_;
};

}  // namespace zurvane::testing
