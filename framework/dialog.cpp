#include "dialog.h"

#include "win_app.h"

#include <windowsx.h>

INT_PTR CDialog::DoModal() {
    HWND owner = m_parent != nullptr ? m_parent->m_hWnd : nullptr;
    if (owner == nullptr)
        owner = MainWindowInFront();
    return ::DialogBoxParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_templateId), owner,
                             DialogProc, reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

UINT HelpContextMessage() {
    static const UINT message = ::RegisterWindowMessageA("Tamvorick.QueryHelpContext");
    return message;
}

const MessageMap* CDialog::GetThisMessageMap() {
    static const MessageMapEntry entries[] = {
        CommandEntry(IDOK, &CDialog::OnOK),
        CommandEntry(IDCANCEL, &CDialog::OnCancel),
    };
    static const MessageMap map = MakeMessageMap(CWnd::GetThisMessageMap(), entries);
    return &map;
}

const MessageMap* CDialog::GetMessageMap() const {
    return GetThisMessageMap();
}

LRESULT CDialog::DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam) {
    m_inDefault = true;
    const LRESULT result = ::DefDlgProcA(m_hWnd, message, wParam, lParam);
    m_inDefault = false;
    return result;
}

void CDialog::OnQueryHelpContext() {
    ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, 0x20000 + m_templateId);
}

// A dialog whose template gives no place of its own opens centred: over its owner, or on the
// screen when it has none, unless its initialisation moved it.
void CDialog::CenterIfUnmoved(const RECT& before) {
    RECT now;
    ::GetWindowRect(m_hWnd, &now);
    if (!::EqualRect(&before, &now))
        return;
    RECT area;
    const HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    if (owner != nullptr && ::IsWindowVisible(owner) && !::IsIconic(owner)) {
        ::GetWindowRect(owner, &area);
    } else {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        ::GetMonitorInfoA(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
        area = monitor.rcWork;
    }
    const int width = now.right - now.left;
    const int height = now.bottom - now.top;
    const int x = area.left + (area.right - area.left - width) / 2;
    const int y = area.top + (area.bottom - area.top - height) / 2;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CDialog*>(lParam);
        ::SetWindowLongPtrA(hWnd, DWLP_USER, lParam);
        self->m_hWnd = hWnd;
        RECT before;
        ::GetWindowRect(hWnd, &before);
        const BOOL setFocus = self->OnInitDialog();
        self->CenterIfUnmoved(before);
        return setFocus;
    }
    auto* self = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hWnd, DWLP_USER));
    if (self == nullptr)
        return FALSE;
    if (self->m_inDefault) {
        self->m_inDefault = false;
        return FALSE;
    }
    if (message == HelpContextMessage()) {
        self->OnQueryHelpContext();
        return TRUE;
    }
    LRESULT result = 0;
    if (self->Dispatch(message, wParam, lParam, result))
        return SetDlgMsgResult(hWnd, message, result);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hWnd, DWLP_USER, 0);
        self->OnWindowDestroyed();
    }
    return FALSE;
}
