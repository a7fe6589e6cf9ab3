#include "about_texts.h"
#include "dialog_template.h"
#include "log_fixture.h"
#include "program_session.h"
#include "resource.h"
#include "shell_handlers.h"

#include <windows.h>

namespace {
const char kAboutCaption[] = "ヌビロカ　バージョン情報";

HWND OpenAbout(HWND main, UINT message, WPARAM command) {
    PostMessageA(main, message, command, 0);
    const HWND box = WaitForWindow([&] { return FindOwnedDialog(main); });
    if (box != nullptr)
        Settle(box);
    return box;
}

void Click(HWND window, POINT client) {
    MovePointer(window, client);
    Settle(window);
    PressLeftButton();
    Settle(window);
}

HCURSOR CurrentCursor() {
    CURSORINFO info{};
    info.cbSize = sizeof info;
    GetCursorInfo(&info);
    return info.hCursor;
}

// The box's client area as the screen shows it, one COLORREF a pixel.
struct Capture {
    int width, height;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[y * width + x]; }
};

Capture CaptureClient(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    Capture capture{client.right, client.bottom, {}};
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = capture.width;
    info.bmiHeader.biHeight = -capture.height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, capture.width, capture.height, screen, origin.x, origin.y, SRCCOPY);
    for (int i = 0; i < capture.width * capture.height; ++i) {
        const DWORD bgra = static_cast<const DWORD*>(bits)[i];
        capture.pixels.push_back(RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF));
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return capture;
}

// How many pixel rows of the band hold ink (anything but white).
int InkedRows(const Capture& c, int top, int bottom, int left, int right) {
    int rows = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (c.At(x, y) != RGB(255, 255, 255)) {
                ++rows;
                break;
            }
    return rows;
}

class AboutBox : public LogFixture {};

TEST(AboutBoxTemplate, HoldsTheDesignedBoxAndItsOneButton) {
    DialogTemplate t;
    ASSERT_TRUE(LoadDialogTemplate(IDD_ABOUTBOX, t));
    EXPECT_EQ(t.style, 0x80C800C0u);
    EXPECT_EQ(t.exStyle, 0u);
    EXPECT_EQ((std::vector<short>{t.x, t.y, t.cx, t.cy}), (std::vector<short>{0, 0, 223, 137}));
    EXPECT_EQ(t.menu, 0);
    EXPECT_EQ(t.caption, kAboutCaption);
    EXPECT_EQ(t.face, "MS UI Gothic");
    EXPECT_EQ(t.pointSize, 9);
    EXPECT_EQ(t.weight, 0);
    EXPECT_EQ(t.charset, DEFAULT_CHARSET);
    ASSERT_EQ(t.items.size(), 1u);
    EXPECT_EQ(t.items[0].style, 0x50030001u);
    EXPECT_EQ(t.items[0].id, static_cast<DWORD>(IDOK));
    EXPECT_EQ(t.items[0].text, "OK");
    EXPECT_STRCASEEQ(t.items[0].className.c_str(), "Button");
    EXPECT_EQ((std::vector<short>{t.items[0].x, t.items[0].y, t.items[0].cx, t.items[0].cy}),
              (std::vector<short>{166, 114, 50, 16}));
}

// The Help menu's item and the system menu's item, also with Windows' own low bits set.
TEST_F(AboutBox, OpensFromBothMenusOverTheDisabledMainWindow) {
    const std::pair<UINT, WPARAM> openers[] = {{WM_COMMAND, ID_HELP_VERSION},
                                               {WM_SYSCOMMAND, IDM_ABOUTBOX},
                                               {WM_SYSCOMMAND, 0x0013},
                                               {WM_SYSCOMMAND, 0x001F}};
    RunProgram([&](HWND main) {
        for (const auto& [message, command] : openers) {
            // As a person has it in front when picking the menu item.
            Activate(main);
            const HWND box = OpenAbout(main, message, command);
            ASSERT_NE(box, nullptr) << std::hex << message << " " << command;
            EXPECT_EQ(WindowText(box), kAboutCaption);
            EXPECT_FALSE(IsWindowEnabled(main));
            const HWND ok = GetDlgItem(box, IDOK);
            EXPECT_EQ(WindowText(ok), "OK");
            // Under Wine the window manager decides when the box becomes active; once it is, the
            // dialog's focus is where it put it on opening.
            Activate(box);
            WaitForWindow([&] { return FocusOfProgram() == ok ? ok : nullptr; }, 3000);
            EXPECT_EQ(FocusOfProgram(), ok) << "the first tab stop";
            // Centred over the main window.
            RECT b, m;
            GetWindowRect(box, &b);
            GetWindowRect(main, &m);
            EXPECT_NEAR((b.left + b.right) / 2, (m.left + m.right) / 2, 2);
            EXPECT_NEAR((b.top + b.bottom) / 2, (m.top + m.bottom) / 2, 2);

            PostMessageA(box, WM_COMMAND, IDOK, 0);
            ASSERT_TRUE(WaitUntilGone(box));
            Settle(main);
            EXPECT_TRUE(IsWindowEnabled(main));
        }
    });
}

TEST_F(AboutBox, EscapeAndTheCloseBoxEndIt) {
    RunProgram([](HWND main) {
        HWND box = OpenAbout(main, WM_COMMAND, ID_HELP_VERSION);
        ASSERT_NE(box, nullptr);
        Activate(box);
        Settle(box);
        PressKey(VK_ESCAPE);
        EXPECT_TRUE(WaitUntilGone(box));
        box = OpenAbout(main, WM_COMMAND, ID_HELP_VERSION);
        ASSERT_NE(box, nullptr);
        PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_TRUE(WaitUntilGone(box));
        EXPECT_TRUE(IsWindow(main)) << "only the box closes";
    });
}

TEST_F(AboutBox, PaintsItsTextsOnWhiteWithTheAddressInBlue) {
    RunProgram([](HWND main) {
        for (int showing = 0; showing < 2; ++showing) {
            const HWND box = OpenAbout(main, WM_COMMAND, ID_HELP_VERSION);
            ASSERT_NE(box, nullptr);
            Activate(box);
            UpdateWindow(box);
            Settle(box);
            Sleep(200);
            const Capture c = CaptureClient(box);
            ASSERT_GE(c.width, 300);
            EXPECT_EQ(c.At(2, 2), RGB(255, 255, 255));
            EXPECT_EQ(c.At(c.width - 3, 50), RGB(255, 255, 255));
            EXPECT_EQ(c.At(5, c.height - 5), RGB(255, 255, 255));

            int linkPixels = 0, linkColoursElsewhere = 0;
            for (int y = 0; y < c.height; ++y)
                for (int x = 0; x < c.width; ++x) {
                    const bool onLine7 = y >= 140 && y < 158 && x >= 30;
                    if (c.At(x, y) == RGB(0, 0, 200))
                        ++(onLine7 ? linkPixels : linkColoursElsewhere);
                }
            EXPECT_GT(linkPixels, 30) << "line 7 in 0xC80000";
            EXPECT_EQ(linkColoursElsewhere, 0);
            EXPECT_GT(InkedRows(c, 10, 30, 10, 200), 0) << "the title";
            EXPECT_GT(InkedRows(c, 10, 30, 10, 200), InkedRows(c, 100, 120, 10, 200))
                << "the title is larger than the body";
            EXPECT_GT(InkedRows(c, 120, 140, 10, 300), 0) << "line 6";

            PostMessageA(box, WM_COMMAND, IDOK, 0);
            ASSERT_TRUE(WaitUntilGone(box));
        }
    });
}

TEST_F(AboutBox, ThePointerIsAHandOverTheLinkRectangleOnly) {
    const std::pair<POINT, bool> points[] = {
        {{30, 140}, true},  {{150, 140}, false}, {{149, 154}, true},
        {{30, 155}, false}, {{100, 147}, true},  {{29, 150}, false},
    };
    const HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_CURSOR_HAND));
    const HCURSOR arrow =
        LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_CURSOR_ARROW));
    ASSERT_NE(hand, nullptr);
    ASSERT_NE(arrow, nullptr);
    RunProgram([&](HWND main) {
        const HWND box = OpenAbout(main, WM_COMMAND, ID_HELP_VERSION);
        ASSERT_NE(box, nullptr);
        Activate(box);
        for (const auto& [point, onLink] : points) {
            MovePointer(box, point);
            Settle(box);
            EXPECT_EQ(CurrentCursor(), onLink ? hand : arrow) << point.x << ", " << point.y;
        }
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
}

TEST_F(AboutBox, APressInsideTheRectangleHandsTheMailLinkToTheShell) {
    RegisterShellRecorder();
    ForgetShellOpened();
    RunProgram([](HWND main) {
        const HWND box = OpenAbout(main, WM_COMMAND, ID_HELP_VERSION);
        ASSERT_NE(box, nullptr);
        Activate(box);
        Click(box, {150, 154});
        Click(box, {30, 155});
        Click(box, {149, 154});
        const auto opened = WaitForShellOpened(1);
        ASSERT_EQ(opened.size(), 1u);
        EXPECT_EQ(opened[0], kContactLink);
        EXPECT_EQ(opened[0].rfind("mailto:", 0), 0u);
        EXPECT_NE(opened[0].find("?subject=ヌビロカVer1.01について"), std::string::npos);
        EXPECT_TRUE(IsWindow(box)) << "the box stays open";
        Sleep(500);
        EXPECT_EQ(ShellOpened().size(), 1u) << "the presses outside opened nothing";
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
}
} // namespace
