#include "list_probe.h"

#include <commctrl.h>

namespace {
std::string ItemText(HWND list, int row, int column) {
    char text[256] = "";
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text;
}
} // namespace

std::vector<ListRow> ListRows(HWND list) {
    std::vector<ListRow> rows;
    const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row)
        rows.push_back({ItemText(list, row, 0), ItemText(list, row, 1)});
    return rows;
}

int SelectedRow(HWND list) {
    return static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, -1, LVNI_SELECTED));
}

bool RowFullyVisible(HWND list, int row) {
    RECT item{};
    item.left = LVIR_BOUNDS;
    if (!SendMessageA(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item)))
        return false;
    RECT client, header;
    GetClientRect(list, &client);
    GetWindowRect(reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0)), &header);
    const int headerHeight = header.bottom - header.top;
    return item.top >= headerHeight && item.bottom <= client.bottom;
}
