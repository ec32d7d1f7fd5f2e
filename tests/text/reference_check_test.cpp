// The library against a literal, step-by-step version of each operation, on seeded random texts.
// Texts reach a few hundred bytes, so the block-wise paths and the character loop that finishes
// them both run, and each of them is also checked on its own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "random_texts.h"
#include "support/hex.h"
#include "support/reference_text.h"
#include "support/same_bytes.h"
#include "text/block_scan.h"
#include "text/char_loops.h"
#include "text/line_joining.h"
#include "text/punctuation.h"
#include "text/text.h"

namespace zurvane {
namespace {

using testing::hex;
using testing::RandomTexts;
using testing::same_bytes;

constexpr int kTexts = 4000;
constexpr int kMaxPieces = 120;

// The kernel sets that this build and this processor have, besides the character loops.
std::vector<detail::BlockKernelSet> kernel_sets() {
    std::vector<detail::BlockKernelSet> sets;
    for (auto set : {detail::BlockKernelSet::kSse2, detail::BlockKernelSet::kAvx2}) {
        if (detail::have_block_kernels(set)) sets.push_back(set);
    }
    return sets;
}

// The checks below test the block kernels only where they exist: on x86-64 they must.
TEST(ReferenceCheck, RunsOnTheBlockKernelsOfThisMachine) {
#if defined(__x86_64__) || defined(_M_X64)
    EXPECT_TRUE(detail::have_block_kernels(detail::BlockKernelSet::kSse2));
#endif
    EXPECT_EQ(detail::have_block_kernels(detail::BlockKernelSet::kBest), !kernel_sets().empty());
    ::testing::Test::RecordProperty(
        "avx2_kernels", detail::have_block_kernels(detail::BlockKernelSet::kAvx2) ? "yes" : "no");
}

TEST(ReferenceCheck, LineJoinerMatchesTheStepByStepVersion) {
    RandomTexts texts(20240601);
    for (int i = 0; i < kTexts; ++i) {
        const std::string source = texts.next(kMaxPieces);
        for (bool remove_spaces : {true, false}) {
            SCOPED_TRACE(remove_spaces ? "removing spaces" : "keeping spaces");
            const std::string want = reference::join_lines(source, remove_spaces);
            ASSERT_TRUE(same_bytes(join_lines(source, remove_spaces), want, source));
            ASSERT_TRUE(
                same_bytes(detail::join_lines_by_chars(source, remove_spaces), want, source));
            for (auto set : kernel_sets()) {
                ASSERT_TRUE(same_bytes(detail::join_lines_by_blocks(source, remove_spaces, set),
                                       want, source))
                    << "kernel set " << static_cast<int>(set);
            }
        }
    }
}

TEST(ReferenceCheck, PunctuationConversionsMatchTheListedSteps) {
    RandomTexts texts(7);
    for (int i = 0; i < kTexts; ++i) {
        const std::string source = texts.next(kMaxPieces);
        const std::string chinese = reference::to_chinese_punctuation(source);
        const std::string english = reference::to_english_punctuation(source);
        ASSERT_TRUE(same_bytes(to_chinese_punctuation(source), chinese, source));
        ASSERT_TRUE(same_bytes(detail::to_chinese_punctuation_by_chars(source), chinese, source));
        ASSERT_TRUE(same_bytes(to_english_punctuation(source), english, source));
        ASSERT_TRUE(same_bytes(detail::to_english_punctuation_by_chars(source), english, source));
        for (auto set : kernel_sets()) {
            SCOPED_TRACE("kernel set " + std::to_string(static_cast<int>(set)));
            ASSERT_TRUE(
                same_bytes(detail::to_chinese_punctuation_by_blocks(source, set), chinese, source));
            ASSERT_TRUE(
                same_bytes(detail::to_english_punctuation_by_blocks(source, set), english, source));
        }
    }
}

TEST(ReferenceCheck, TextOperationsMatchTheStepByStepVersions) {
    RandomTexts texts(99);
    for (int i = 0; i < kTexts; ++i) {
        const std::string text = texts.next(kMaxPieces / 4);
        const std::string what = texts.next(2);
        const std::string by = texts.next(2);
        SCOPED_TRACE("what " + hex(what) + ", by " + hex(by));
        ASSERT_TRUE(
            same_bytes(replace_all(text, what, by), reference::replace_all(text, what, by), text));
        ASSERT_EQ(split_at(text, what), reference::split_at(text, what)) << hex(text);
        ASSERT_TRUE(same_bytes(trim_front(text), reference::trim_front(text), text));
        ASSERT_TRUE(same_bytes(trim_back(text), reference::trim_back(text), text));
        ASSERT_TRUE(same_bytes(strip_spaces(text), reference::strip_spaces(text), text));
        ASSERT_TRUE(same_bytes(widen(text), reference::widen(text), text));
        ASSERT_TRUE(same_bytes(narrow(text), reference::narrow(text), text));
    }
}

// Short patterns that touch the rules, slid across the 64-byte blocks of the kernels, each in a
// text that goes on after it and in one that ends with it (where the kernels hand over to the
// character loop; kernels need texts of 192 bytes and more).
TEST(ReferenceCheck, PatternsAtEveryOffsetAroundBlockBoundaries) {
    const std::string patterns[] = {
        "\r\n  y",
        " \r\n  y ",
        "a  \r\nb",
        "\r\n\r\n \xA1\xA1z",
        "\xA1\xA1 \xA1\xA1",
        "\x81\r\n b",
        "\x81  \x81\x20",
        "\xB0\xA1\xA1\xB0",
        "x \r\r\n y",
        "\xA3\xB0.\xA1\xA3",
        "\x81.\xA3\xFE",
        "\xA1\xEE~ \xA3",
        "  \x81",
        "\xA1",
    };
    const std::string fillers[] = {"x", "\xB0\xA1", " ", "\xA1\xA1", "\r\n", "x "};
    for (const std::string& pattern : patterns) {
        for (const std::string& filler : fillers) {
            for (std::size_t offset = 0; offset < 200; ++offset) {
                // Every place in two blocks, and where the last block of 330 bytes ends.
                if (offset == 130) offset = 184;
                std::string going_on;
                while (going_on.size() < offset) going_on += filler;
                going_on += pattern;
                while (going_on.size() < 330) going_on += filler;
                std::string ending;
                while (ending.size() < offset + 130) ending += filler;
                ending += pattern;
                for (const std::string& text : {going_on, ending}) {
                    const std::string chinese = reference::to_chinese_punctuation(text);
                    const std::string english = reference::to_english_punctuation(text);
                    const std::string joined[] = {reference::join_lines(text, false),
                                                  reference::join_lines(text, true)};
                    for (auto set : kernel_sets()) {
                        SCOPED_TRACE("kernel set " + std::to_string(static_cast<int>(set)));
                        for (bool remove_spaces : {false, true}) {
                            ASSERT_TRUE(
                                same_bytes(detail::join_lines_by_blocks(text, remove_spaces, set),
                                           joined[remove_spaces], text))
                                << "remove_spaces " << remove_spaces;
                        }
                        ASSERT_TRUE(same_bytes(detail::to_chinese_punctuation_by_blocks(text, set),
                                               chinese, text));
                        ASSERT_TRUE(same_bytes(detail::to_english_punctuation_by_blocks(text, set),
                                               english, text));
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace zurvane
