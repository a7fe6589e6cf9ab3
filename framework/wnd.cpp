#include "wnd.h"

#include "data_exchange.h"
#include "framework_ids.h"
#include "win_app.h"

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

const MessageMap* CWnd::GetThisMessageMap() {
    static const MessageMapEntry entries[] = {
        MessageEntry(WM_HELP, &CWnd::OnHelpInfo),
    };
    static const MessageMap map = MakeMessageMap(nullptr, entries);
    return &map;
}

const MessageMap* CWnd::GetMessageMap() const {
    return GetThisMessageMap();
}

bool CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const UINT code = message == WM_COMMAND ? HIWORD(wParam) : 0;
    const UINT id = message == WM_COMMAND ? LOWORD(wParam) : 0;
    CCmdTarget* target = this;
    const MessageMapEntry* entry = FindEntry(message, code, id);
    // A command that no window takes is handed on to the application.
    if (entry == nullptr && message == WM_COMMAND && AfxGetApp() != nullptr) {
        target = AfxGetApp();
        entry = target->FindEntry(message, code, id);
    }
    if (entry == nullptr)
        return false;

    const CurrentMessage outer = m_current;
    m_current = {message, wParam, lParam};
    result = target->CallHandler(*entry, wParam, lParam);
    m_current = outer;
    return true;
}

LRESULT CWnd::Default() {
    return DefaultProcessing(m_current.message, m_current.wParam, m_current.lParam);
}

BOOL CWnd::OnHelpInfo(HELPINFO*) {
    CWnd* mainWnd = AfxGetApp() != nullptr ? AfxGetApp()->m_pMainWnd : nullptr;
    const bool topLevel = (::GetWindowLongA(m_hWnd, GWL_STYLE) & WS_CHILD) == 0;
    const bool plainF1 = ::GetKeyState(VK_SHIFT) >= 0 && ::GetKeyState(VK_CONTROL) >= 0 &&
                         ::GetKeyState(VK_MENU) >= 0;
    if (topLevel && plainF1 && mainWnd != nullptr && mainWnd->m_hWnd != nullptr) {
        mainWnd->SendMessage(WM_COMMAND, ID_HELP);
        return TRUE;
    }
    return static_cast<BOOL>(Default());
}

void CWnd::OnWindowDestroyed() {
    m_hWnd = nullptr;
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
}
