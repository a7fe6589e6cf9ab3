#pragma once

#include "cstring.h"
#include "menu.h"
#include "message_map.h"

#include <windows.h>

class CDataExchange;

// A window that the object stands for. Messages reach the object through its message map.
class CWnd : public CCmdTarget {
  public:
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    HWND SetFocus() { return ::SetFocus(m_hWnd); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    // A menu object with no menu when the window has no system menu.
    CMenu GetSystemMenu(BOOL revert) const { return CMenu(::GetSystemMenu(m_hWnd, revert)); }
    // Holds off the window's painting while it changes many times, then lets it paint once.
    void SetRedraw(BOOL redraw) { SendMessage(WM_SETREDRAW, redraw); }
    void Invalidate() { ::InvalidateRect(m_hWnd, nullptr, TRUE); }
    int MessageBox(const char* text, const char* caption = nullptr, UINT type = MB_OK) {
        return ::MessageBoxA(m_hWnd, text, caption, type);
    }

    // Runs the data exchange: from the controls when saving, to them otherwise.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange*) {}

    HWND m_hWnd = nullptr;

  protected:
    // Handles the message through the message map; false when no entry takes it.
    bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // The default processing of the message being handled.
    LRESULT Default();
    virtual LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam) {
        return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
    }

    // The default painting.
    void OnPaint() { Default(); }
    // F1 in a top-level window becomes the help command of the main window.
    BOOL OnHelpInfo(HELPINFO*);

    const MessageMap* GetMessageMap() const override;
    static const MessageMap* GetThisMessageMap();

    // The window has gone: forget it, and let a registered main window's end end the program.
    void OnWindowDestroyed();

  private:
    struct CurrentMessage {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    CurrentMessage m_current{};
};
