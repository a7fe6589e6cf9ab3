#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A dialog template of the program's resources, read back from the extended template's bytes.
struct TemplateItem {
    DWORD style, exStyle;
    short x, y, cx, cy;
    DWORD id;
    std::string className; // a predefined class by its name: "Button" for 0x0080
    std::string text;
};

struct DialogTemplate {
    DWORD style, exStyle;
    short x, y, cx, cy;
    WORD menu; // 0: none
    std::string caption;
    WORD pointSize, weight;
    BYTE italic, charset;
    std::string face;
    std::vector<TemplateItem> items;
};

// False when the resource is missing or not an extended template in Japanese.
bool LoadDialogTemplate(WORD id, DialogTemplate& result);
