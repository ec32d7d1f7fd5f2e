#include "corpus.h"

#include <cstdint>

namespace zurvane::bench {
namespace {

// A small linear congruential generator, so that the inputs are the same on every machine.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint32_t below(std::uint32_t n) {
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<std::uint32_t>((state_ >> 33) % n);
    }

private:
    std::uint64_t state_;
};

void append_ideograph(std::string& text, Random& random) {
    const auto lead = static_cast<unsigned char>(0xB0 + random.below(0xD8 - 0xB0));
    const std::uint32_t last_second = lead == 0xD7 ? 0xF9 : 0xFE;
    text += static_cast<char>(lead);
    text += static_cast<char>(0xA1 + random.below(last_second - 0xA1 + 1));
}

}  // namespace

std::string chinese_prose(std::size_t size) {
    Random random(936);
    std::string text;
    text.reserve(size + 64);
    std::size_t line_start = 0;
    std::size_t line_length = 30 + random.below(21);
    while (text.size() < size) {
        if (text.size() - line_start >= line_length) {
            text += "\r\n";
            line_start = text.size();
            line_length = 30 + random.below(21);
            continue;
        }
        const std::uint32_t pick = random.below(100);
        if (pick < 6) {
            text += "\xA3\xAC";  // ，
        } else if (pick < 9) {
            text += "\xA1\xA3";  // 。
        } else if (pick < 10) {
            text += "\xA1\xA1";
        } else if (pick < 11) {
            text += ' ';
        } else {
            append_ideograph(text, random);
        }
    }
    text.resize(size);
    return text;
}

std::string english_prose(std::size_t size) {
    Random random(1252);
    std::string text;
    text.reserve(size + 64);
    std::size_t line_start = 0;
    while (text.size() < size) {
        const std::uint32_t letters = 1 + random.below(9);
        for (std::uint32_t i = 0; i < letters; ++i) {
            text += static_cast<char>('a' + random.below(26));
        }
        const std::uint32_t pick = random.below(20);
        if (pick == 0) text += ',';
        if (pick == 1) text += '.';
        if (text.size() - line_start >= 70) {
            text += "\r\n";
            line_start = text.size();
        } else {
            text += ' ';
        }
    }
    text.resize(size);
    return text;
}

std::string all_spaces(std::size_t size) {
    return std::string(size, ' ');
}

std::string all_line_ends(std::size_t size) {
    std::string text;
    text.reserve(size);
    while (text.size() + 2 <= size) text += "\r\n";
    text.resize(size, '\r');
    return text;
}

std::string all_lead_bytes(std::size_t size) {
    Random random(128);
    std::string text(size, '\0');
    for (char& c : text) c = static_cast<char>(0x80 + random.below(0x80));
    return text;
}

}  // namespace zurvane::bench
