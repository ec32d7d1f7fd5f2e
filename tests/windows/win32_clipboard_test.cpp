// The clipboard as Unicode text: what is written comes back byte for byte, other programs'
// text arrives converted, and a clipboard held open elsewhere is unreadable and keeps its
// contents.
#include <gtest/gtest.h>

#include <cstring>
#include <thread>

#include "backend_fixture.h"
#include "support/hex.h"

namespace zurvane::win32::testing {
namespace {

using zurvane::testing::hex;

using Clipboard = BackendTest;

// Stores wide text on the clipboard the way another program would.
void put_as_another_program(std::wstring_view text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    auto* data = static_cast<wchar_t*>(GlobalLock(block));
    std::memcpy(data, text.data(), text.size() * sizeof(wchar_t));
    data[text.size()] = L'\0';
    GlobalUnlock(block);
    SetClipboardData(CF_UNICODETEXT, block);
    CloseClipboard();
}

TEST_F(Clipboard, WrittenTextComesBackByteForByte) {
    const Text text = "\xD6\xD0\xCE\xC4\xA3\xAC\r\nabc \xA1\xA1\r\n";
    ASSERT_TRUE(platform().write_clipboard_text(text));
    EXPECT_TRUE(platform().clipboard_has_text());
    // Programs that ask for 8-bit text get it from Windows' own conversion.
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    const std::optional<Text> back = platform().read_clipboard_text();
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(hex(*back), hex(text));
}

TEST_F(Clipboard, AnotherProgramsUnicodeTextArrivesAsText) {
    put_as_another_program(L"x\u4E2D\r\n\u3000y");
    ASSERT_TRUE(platform().clipboard_has_text());
    const std::optional<Text> text = platform().read_clipboard_text();
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(hex(*text), hex("x\xD6\xD0\r\n\xA1\xA1y"));
}

TEST_F(Clipboard, AnEmptyTextIsStillText) {
    ASSERT_TRUE(platform().write_clipboard_text(""));
    EXPECT_TRUE(platform().clipboard_has_text());
    EXPECT_EQ(platform().read_clipboard_text(), std::optional<Text>(""));
}

TEST_F(Clipboard, AClipboardWithoutTextOffersNone) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_FALSE(platform().clipboard_has_text());
}

TEST_F(Clipboard, HeldOpenElsewhereItIsUnreadableAndAWriteLeavesItsContents) {
    ASSERT_TRUE(platform().write_clipboard_text("old"));
    HANDLE opened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&] {
        const bool open = OpenClipboard(nullptr) != 0;
        SetEvent(opened);
        WaitForSingleObject(release, 10000);
        if (open) CloseClipboard();
    });
    WaitForSingleObject(opened, 10000);
    EXPECT_EQ(platform().read_clipboard_text(), std::nullopt);
    EXPECT_FALSE(platform().write_clipboard_text("new"));
    SetEvent(release);
    holder.join();
    CloseHandle(opened);
    CloseHandle(release);
    EXPECT_EQ(platform().read_clipboard_text(), std::optional<Text>("old"));
}

}  // namespace
}  // namespace zurvane::win32::testing
