// libFuzzer target for the text core and the encoding bridge: nothing may crash or read out of
// bounds, the block kernels and the character loops must give the bytes of the step-by-step
// version, and the bridge must give valid UTF-8 and bring valid UTF-8 back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "support/hex.h"
#include "support/reference_text.h"
#include "support/utf8_check.h"
#include "text/block_scan.h"
#include "text/char_loops.h"
#include "text/line_joining.h"
#include "text/punctuation.h"
#include "text/text.h"

#if defined(ZURVANE_FUZZ_BRIDGE)
#include "platform/encoding/encoding.h"
#endif

namespace {

using namespace zurvane;

void fail(const char* what, std::string_view input, std::string_view got, std::string_view want) {
    std::fprintf(stderr, "%s differs\ninput %s\ngot   %s\nwant  %s\n", what,
                 testing::hex(input).c_str(), testing::hex(got).c_str(),
                 testing::hex(want).c_str());
    std::abort();
}

void expect_same(const char* what, std::string_view input, std::string_view got,
                 std::string_view want) {
    if (got != want) fail(what, input, got, want);
}

constexpr detail::BlockKernelSet kSets[] = {detail::BlockKernelSet::kSse2,
                                            detail::BlockKernelSet::kAvx2};

void check_conversions(std::string_view text) {
    for (bool remove_spaces : {true, false}) {
        const std::string want = reference::join_lines(text, remove_spaces);
        expect_same("join_lines", text, join_lines(text, remove_spaces), want);
        expect_same("join_lines_by_chars", text, detail::join_lines_by_chars(text, remove_spaces),
                    want);
        for (auto set : kSets) {
            if (!detail::have_block_kernels(set)) continue;
            expect_same("join_lines_by_blocks", text,
                        detail::join_lines_by_blocks(text, remove_spaces, set), want);
        }
    }
    const std::string chinese = reference::to_chinese_punctuation(text);
    const std::string english = reference::to_english_punctuation(text);
    expect_same("to_chinese_punctuation", text, to_chinese_punctuation(text), chinese);
    expect_same("to_english_punctuation", text, to_english_punctuation(text), english);
    expect_same("to_chinese_punctuation_by_chars", text,
                detail::to_chinese_punctuation_by_chars(text), chinese);
    expect_same("to_english_punctuation_by_chars", text,
                detail::to_english_punctuation_by_chars(text), english);
    for (auto set : kSets) {
        if (!detail::have_block_kernels(set)) continue;
        expect_same("to_chinese_punctuation_by_blocks", text,
                    detail::to_chinese_punctuation_by_blocks(text, set), chinese);
        expect_same("to_english_punctuation_by_blocks", text,
                    detail::to_english_punctuation_by_blocks(text, set), english);
    }
}

// The operations with more arguments, which take them from the first bytes of the input.
void check_operations(std::string_view input) {
    if (input.size() < 4) return;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(input[i]); };
    const std::size_t what_length = byte(0) % 4;
    const std::size_t by_length = byte(1) % 4;
    const auto start = static_cast<std::int64_t>(static_cast<std::int8_t>(byte(2)));
    const auto count = static_cast<std::int64_t>(static_cast<std::int8_t>(byte(3)));
    std::string_view rest = input.substr(4);
    const std::string_view what = rest.substr(0, std::min(what_length, rest.size()));
    rest.remove_prefix(what.size());
    const std::string_view by = rest.substr(0, std::min(by_length, rest.size()));
    rest.remove_prefix(by.size());
    const std::string_view text = rest;

    expect_same("replace_all", text, replace_all(text, what, by),
                reference::replace_all(text, what, by));
    const TextList pieces = split_at(text, what);
    const std::vector<std::string> want_pieces = reference::split_at(text, what);
    if (pieces != want_pieces) fail("split_at", text, "", "");
    expect_same("trim_front", text, trim_front(text), reference::trim_front(text));
    expect_same("trim_back", text, trim_back(text), reference::trim_back(text));
    expect_same("strip_spaces", text, strip_spaces(text), reference::strip_spaces(text));
    expect_same("widen", text, widen(text), reference::widen(text));
    expect_same("narrow", text, narrow(text), reference::narrow(text));

    // slice: the bytes from start (1-based), at most count, or nothing.
    const Text sliced = slice(text, start, count);
    const auto length = static_cast<std::int64_t>(text.size());
    const std::string want_slice =
        (start < 1 || start > length || count <= 0)
            ? std::string()
            : std::string(text.substr(static_cast<std::size_t>(start - 1),
                                      static_cast<std::size_t>(count)));
    expect_same("slice", text, sliced, want_slice);

    // compare_bytes against the unsigned lexicographic order.
    const int order = compare_bytes(what, text);
    const int want_order = what.compare(text);
    if (order != (want_order < 0 ? -1 : want_order > 0 ? 1 : 0))
        fail("compare_bytes", text, what, "");

    expect_same("single_char", text, single_char(start),
                reference::single_char(static_cast<int>(start)));
    if (input.size() >= 12) {
        double x = 0;
        std::memcpy(&x, input.data() + 4, sizeof x);
        expect_same("format_number", text, format_number(x), reference::format_number(x));
    }
}

#if defined(ZURVANE_FUZZ_BRIDGE)
// What the bridge gives back for valid UTF-8: each CR LF as LF, and U+FFFD for each character
// that GB18030's converter cannot map (the system's converter has a few such, in the Private
// Use Area), which is what text_from_utf8 turns into U+FFFD.
std::string expected_round_trip(std::string_view utf8) {
    static constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
    static constexpr std::string_view kGb18030Replacement = "\x84\x31\xA4\x37";
    std::string out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (utf8.substr(i, 2) == "\r\n") {
            out += '\n';
            i += 2;
            continue;
        }
        const std::size_t length = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        const std::string_view character = utf8.substr(i, length);
        const bool unmappable = length > 1 && character != kReplacement &&
                                text_from_utf8(character) == kGb18030Replacement;
        out += unmappable ? kReplacement : character;
        i += length;
    }
    return out;
}

void check_bridge(std::string_view input) {
    const Text text = text_from_utf8(input);
    const std::string back = text_to_utf8(text);
    if (!testing::is_valid_utf8(back))
        fail("text_to_utf8 of text_from_utf8 (valid UTF-8)", input, back, "");
    if (testing::is_valid_utf8(input)) {
        expect_same("UTF-8 round trip", input, back, expected_round_trip(input));
    }
    const std::string from_text = text_to_utf8(input);
    if (!testing::is_valid_utf8(from_text))
        fail("text_to_utf8 (valid UTF-8)", input, from_text, "");
    // What the tool does with clipboard text: convert, join, convert back.
    const std::string joined = text_to_utf8(join_lines(text, true));
    if (!testing::is_valid_utf8(joined)) fail("joined text (valid UTF-8)", input, joined, "");
}
#endif

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    check_conversions(input);
    check_operations(input);
#if defined(ZURVANE_FUZZ_BRIDGE)
    check_bridge(input);
#endif
    return 0;
}
