#pragma once

#include "wnd.h"

#include <commctrl.h>

// The list view in report view: each call is one list-view message.
class CListCtrl : public CWnd {
  public:
    // A width or sub-item of -1 is left out, so the column gets only its heading and alignment.
    int InsertColumn(int column, const char* heading, int format = LVCFMT_LEFT, int width = -1,
                     int subItem = -1) {
        LVCOLUMNA col{};
        col.mask = LVCF_FMT | LVCF_TEXT;
        col.fmt = format;
        col.pszText = const_cast<char*>(heading);
        if (width != -1) {
            col.mask |= LVCF_WIDTH;
            col.cx = width;
        }
        if (subItem != -1) {
            col.mask |= LVCF_SUBITEM;
            col.iSubItem = subItem;
        }
        return static_cast<int>(
            SendMessage(LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&col)));
    }
    BOOL SetColumnWidth(int column, int width) {
        return static_cast<BOOL>(SendMessage(LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0)));
    }
    // Replaces every extended style by these.
    DWORD SetExtendedStyle(DWORD styles) {
        return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, styles));
    }
    BOOL DeleteAllItems() { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }
    // A row with its column-0 text only: no image, state or item data.
    int InsertItem(int item, const char* text) {
        LVITEMA row{};
        row.mask = LVIF_TEXT;
        row.iItem = item;
        row.pszText = const_cast<char*>(text);
        return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row)));
    }
    BOOL SetItemText(int item, int subItem, const char* text) {
        LVITEMA row{};
        row.iSubItem = subItem;
        row.pszText = const_cast<char*>(text);
        return static_cast<BOOL>(
            SendMessage(LVM_SETITEMTEXTA, item, reinterpret_cast<LPARAM>(&row)));
    }
    // Changes only the states named in the mask.
    BOOL SetItemState(int item, UINT state, UINT mask) {
        LVITEMA row{};
        row.state = state;
        row.stateMask = mask;
        return static_cast<BOOL>(
            SendMessage(LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&row)));
    }
    BOOL EnsureVisible(int item, BOOL partialOK) {
        return static_cast<BOOL>(SendMessage(LVM_ENSUREVISIBLE, item, partialOK));
    }
};
