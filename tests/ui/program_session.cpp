#include "program_session.h"

#include "contraction_app.h"

#include <gtest/gtest.h>

#include <thread>

namespace {
DWORD g_programThread = 0;

HWND FindMainWindow() {
    struct Search {
        HWND found = nullptr;
    } search;
    EnumThreadWindows(
        g_programThread,
        [](HWND wnd, LPARAM data) -> BOOL {
            if (WindowText(wnd) == "ヌビロカ" && GetWindow(wnd, GW_OWNER) == nullptr) {
                reinterpret_cast<Search*>(data)->found = wnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}
} // namespace

DWORD ProgramThread() {
    return g_programThread;
}

void RunProgram(const std::function<void(HWND)>& script) {
    g_programThread = GetCurrentThreadId();
    std::thread driver([&] {
        const HWND mainWindow = WaitForWindow(FindMainWindow, 10000);
        if (mainWindow == nullptr) {
            ADD_FAILURE() << "the main window never appeared";
            return;
        }
        Settle(mainWindow);
        script(mainWindow);
        if (!WaitUntilGone(mainWindow, 100)) {
            for (HWND front; (front = FindOwnedDialog(mainWindow)) != nullptr;) {
                PostMessageA(front, WM_COMMAND, IDCANCEL, 0);
                WaitUntilGone(front);
            }
            PostMessageA(mainWindow, WM_COMMAND, IDCANCEL, 0);
            EXPECT_TRUE(WaitUntilGone(mainWindow)) << "the main window would not close";
        }
    });
    theApp.InitInstance();
    driver.join();
    // The framework posts a quit message when the main window goes; the next run must not see it.
    MSG message;
    while (PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

HWND WaitForWindow(const std::function<HWND()>& find, int milliseconds) {
    for (int waited = 0;; waited += 10) {
        if (const HWND found = find())
            return found;
        if (waited >= milliseconds)
            return nullptr;
        Sleep(10);
    }
}

bool WaitUntilGone(HWND window, int milliseconds) {
    for (int waited = 0; IsWindow(window); waited += 10) {
        if (waited >= milliseconds)
            return false;
        Sleep(10);
    }
    return true;
}

void Settle(HWND window) {
    // A sent message is handled only once the posted ones before it have been taken.
    DWORD_PTR ignored;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
    Sleep(50);
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
}

HWND FindOwnedDialog(HWND owner) {
    struct Search {
        HWND owner;
        HWND found = nullptr;
    } search{owner};
    EnumThreadWindows(
        g_programThread,
        [](HWND wnd, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            char className[64] = "";
            GetClassNameA(wnd, className, sizeof className);
            if (GetWindow(wnd, GW_OWNER) == s->owner && IsWindowVisible(wnd) &&
                std::string(className) == "#32770") {
                s->found = wnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string WindowText(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

HWND FocusOfProgram() {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(g_programThread, &info);
    return info.hwndFocus;
}

void Activate(HWND window) {
    SetForegroundWindow(window);
    if (WaitForWindow([&] { return GetForegroundWindow() == window ? window : nullptr; }, 500))
        return;
    // Another program was in front and keeps the foreground from being handed over: a click on
    // the window's inert top-left corner takes it, as a person's would.
    MovePointer(window, {1, 1});
    PressLeftButton();
    WaitForWindow([&] { return GetForegroundWindow() == window ? window : nullptr; }, 3000);
    Settle(window);
}

void MovePointer(HWND window, POINT client) {
    ClientToScreen(window, &client);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = MulDiv(client.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    move.mi.dy = MulDiv(client.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &move, sizeof move);
}

void PressLeftButton() {
    INPUT buttons[2]{};
    buttons[0].type = buttons[1].type = INPUT_MOUSE;
    buttons[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    buttons[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, buttons, sizeof(INPUT));
}

void PressKey(WORD virtualKey) {
    INPUT keys[2]{};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = virtualKey;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
}
