// The limit on this platform: the program's own dialog template, filled with N ready-made rows
// by plain Win32 calls with the list's redrawing held off, and nothing else. WM_APP fills it again,
// for timing against a press.
#include "resource.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
std::vector<std::pair<std::string, std::string>> g_rows;

void Fill(HWND dialog) {
    const HWND list = GetDlgItem(dialog, IDC_HISTORY_LIST);
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < static_cast<int>(g_rows.size()); ++i) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = g_rows[i].first.data();
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 1;
        item.pszText = g_rows[i].second.data();
        SendMessageA(list, LVM_SETITEMTEXTA, i, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    if (!g_rows.empty()) {
        LVITEMA state{};
        state.state = state.stateMask = LVIS_SELECTED;
        SendMessageA(list, LVM_SETITEMSTATE, g_rows.size() - 1, reinterpret_cast<LPARAM>(&state));
        SendMessageA(list, LVM_ENSUREVISIBLE, g_rows.size() - 1, FALSE);
    }
    SetFocus(list);
}

INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: {
        const HWND list = GetDlgItem(dialog, IDC_HISTORY_LIST);
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_FMT;
        column.pszText = const_cast<char*>("間隔");
        SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
        column.pszText = const_cast<char*>("陣痛日時");
        SendMessageA(list, LVM_INSERTCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
        SendMessageA(list, LVM_SETCOLUMNWIDTH, 0, 155);
        SendMessageA(list, LVM_SETCOLUMNWIDTH, 1, 230);
        SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
        Fill(dialog);
        return FALSE;
    }
    case WM_APP:
        Fill(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL)
            EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    const int rows = std::atoi(commandLine);
    for (int i = 0; i < rows; ++i)
        g_rows.emplace_back(i == 0 ? "" : " 5分 0秒間隔", "12月11日 23時28分15秒");
    InitCommonControls();
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN_DIALOG), nullptr, Proc, 0);
    return 0;
}
