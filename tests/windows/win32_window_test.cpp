// The main window as the Win32 backend realises it: outer size and position, the settings
// toggle, the controls' classes, styles and fonts, and texts through the controls.
#include <gtest/gtest.h>

#include "backend_fixture.h"
#include "support/hex.h"
#include "ui/main_window.h"
#include "ui/window/ui_text.h"

namespace zurvane::win32::testing {
namespace {

using zurvane::testing::hex;

class MainWindowOnWin32 : public BackendTest {
protected:
    void SetUp() override {
        BackendTest::SetUp();
        if (IsSkipped()) return;
        id_ = platform().open_window(main_window_definition(platform(), {}), WindowMode::modeless);
        ASSERT_NE(id_, 0u);
        hwnd_ = window(id_).handle();
        pump(platform(), 50);
    }

    RECT outer() const {
        RECT rect{};
        GetWindowRect(hwnd_, &rect);
        return rect;
    }
    void click(std::string_view name) {
        SendMessageW(control(id_, name), BM_CLICK, 0, 0);
        pump(platform(), 20);
    }

    WindowId id_ = 0;
    HWND hwnd_ = nullptr;
};

TEST_F(MainWindowOnWin32, OpensCollapsedAtItsOuterSizeCentredForTheDefinedSize) {
    const RECT rect = outer();
    EXPECT_EQ(rect.right - rect.left, 539);
    EXPECT_EQ(rect.bottom - rect.top, 240);
    // Centred for 539 x 267, the size as defined, before the created event collapsed it.
    EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 539) / 2);
    EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 267) / 2);
    EXPECT_EQ(window_text(hwnd_), L"Zurvane\u2014\u2014Kelvoth");
    EXPECT_TRUE(IsWindowVisible(hwnd_));

    const LONG style = GetWindowLongW(hwnd_, GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(style & WS_SYSMENU);
}

TEST_F(MainWindowOnWin32, TheSettingsButtonTogglesOnlyTheOuterHeight) {
    const RECT before = outer();
    click("按钮7");
    RECT rect = outer();
    EXPECT_EQ(rect.bottom - rect.top, 267);
    EXPECT_EQ(window(id_).text("按钮7"), ui_text("收起"));
    click("按钮7");
    rect = outer();
    EXPECT_EQ(rect.bottom - rect.top, 240);
    EXPECT_EQ(window(id_).text("按钮7"), ui_text("设置"));
    EXPECT_EQ(rect.left, before.left);
    EXPECT_EQ(rect.top, before.top);
    EXPECT_EQ(rect.right, before.right);
}

struct ControlLook {
    const char* name;
    const wchar_t* class_name;
    LONG styles_present;
    LONG styles_absent;
};

TEST_F(MainWindowOnWin32, ControlsHaveTheirClassesAndStyles) {
    const LONG edit =
        ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP | WS_VISIBLE;
    const ControlLook looks[] = {
        {"编辑框1", L"Edit", edit, ES_AUTOHSCROLL | WS_HSCROLL | ES_READONLY | ES_NOHIDESEL},
        {"编辑框2", L"Edit", edit, ES_AUTOHSCROLL | WS_HSCROLL | ES_READONLY | ES_NOHIDESEL},
        {"按钮2", L"Button", BS_MULTILINE | WS_TABSTOP | WS_VISIBLE, BS_DEFPUSHBUTTON},
        {"按钮1", L"Button", WS_TABSTOP, WS_VISIBLE | BS_DEFPUSHBUTTON},
        {"单选框1", L"Button", BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP | WS_VISIBLE, 0},
        {"单选框2", L"Button", BS_AUTORADIOBUTTON | WS_TABSTOP | WS_VISIBLE, WS_GROUP},
        {"标签1", L"ZurvaneLabel", WS_VISIBLE, WS_TABSTOP},
        {"标签3", L"ZurvaneLabel", 0, WS_VISIBLE | WS_TABSTOP},
    };
    for (const ControlLook& look : looks) {
        SCOPED_TRACE(look.name);
        HWND handle = control(id_, look.name);
        ASSERT_NE(handle, nullptr);
        wchar_t class_name[64] = {};
        GetClassNameW(handle, class_name, 64);
        EXPECT_EQ(_wcsicmp(class_name, look.class_name), 0)
            << "class " << hex(text_from_wide(class_name));
        const LONG style = GetWindowLongW(handle, GWL_STYLE);
        EXPECT_EQ(style & look.styles_present, look.styles_present);
        EXPECT_EQ(style & look.styles_absent, 0);
        if (std::wstring_view(look.class_name) == L"Button") {
            const LONG type =
                look.styles_present & BS_AUTORADIOBUTTON ? BS_AUTORADIOBUTTON : BS_PUSHBUTTON;
            EXPECT_EQ(style & BS_TYPEMASK, type);
        }
    }
    HWND source = control(id_, "编辑框1");
    EXPECT_TRUE(GetWindowLongW(source, GWL_EXSTYLE) & WS_EX_STATICEDGE);
    EXPECT_EQ(SendMessageW(source, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
}

TEST_F(MainWindowOnWin32, OnlyTheSettingsButtonHasAFontOfItsOwn) {
    const auto default_font = reinterpret_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    for (const char* name : {"编辑框1", "按钮2", "单选框1", "按钮5"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(control(id_, name), WM_GETFONT, 0, 0)),
                  default_font);
    }
    auto own = reinterpret_cast<HFONT>(SendMessageW(control(id_, "按钮7"), WM_GETFONT, 0, 0));
    ASSERT_NE(own, default_font);
    LOGFONTW font{};
    ASSERT_NE(GetObjectW(own, sizeof font, &font), 0);
    EXPECT_EQ(font.lfHeight, -12);
    EXPECT_EQ(font.lfWeight, FW_NORMAL);
    EXPECT_EQ(font.lfFaceName[0], L'\0');
}

TEST_F(MainWindowOnWin32, EditBoxTextsComeBackByteForByteWithTheCaretAtTheStart) {
    Win32Window& main = window(id_);
    EXPECT_EQ(main.text("编辑框1"), ui_text("这里输入将要转换的文本"));
    EXPECT_EQ(main.text("编辑框2"), "");
    const Text text = ui_text("第一行，\r\n\r\n  second line\xE3\x80\x80\r\n");
    main.set_text("编辑框2", text);
    EXPECT_EQ(hex(main.text("编辑框2")), hex(text));
    DWORD start = 1, end = 1;
    SendMessageW(control(id_, "编辑框2"), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 0u);
    // What the user typed is read as it stands.
    SetWindowTextW(control(id_, "编辑框1"), L"typed \u4E2D");
    EXPECT_EQ(hex(main.text("编辑框1")), hex("typed \xD6\xD0"));
}

TEST_F(MainWindowOnWin32, ClickingNoClearsYesAndTheSettingFollows) {
    Win32Window& main = window(id_);
    EXPECT_TRUE(main.is_checked("单选框2"));
    EXPECT_FALSE(main.is_checked("单选框1"));
    click("单选框1");
    EXPECT_TRUE(main.is_checked("单选框1"));
    EXPECT_FALSE(main.is_checked("单选框2"));
    // The action of "转换" keeps the spaces inside lines now.
    main.set_text("编辑框1", "a b\r\n c \r\n");
    click("按钮2");
    EXPECT_EQ(main.text("编辑框2"), "a bc");
}

TEST_F(MainWindowOnWin32, LabelsHoldTheirCaptions) {
    EXPECT_EQ(window(id_).text("标签1"), ui_text("去空格"));
    window(id_).set_text("标签2", ui_text("新"));
    EXPECT_EQ(window_text(control(id_, "标签2")), L"\u65B0");
}

}  // namespace
}  // namespace zurvane::win32::testing
