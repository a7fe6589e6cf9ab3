#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Reads the history list back the way any program would, through list-view messages.
struct ListRow {
    std::string interval;
    std::string dateTime;
    bool operator==(const ListRow&) const = default;
};

std::vector<ListRow> ListRows(HWND list);
int SelectedRow(HWND list); // -1 when none
bool RowFullyVisible(HWND list, int row);
