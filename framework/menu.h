#pragma once

#include <windows.h>

// A menu that the object does not own, such as a window's system menu.
class CMenu {
  public:
    explicit CMenu(HMENU hMenu = nullptr) : m_hMenu(hMenu) {}

    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const char* text = nullptr) {
        return ::AppendMenuA(m_hMenu, flags, id, text);
    }

    HMENU m_hMenu;
};
