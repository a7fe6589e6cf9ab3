#include "contraction_log.h"

#include <shlobj.h>
#include <windows.h>

std::string GetDataFilePath() {
    IMalloc* allocator = nullptr;
    if (FAILED(SHGetMalloc(&allocator)))
        allocator = nullptr;

    char folder[MAX_PATH] = "";
    bool found = false;
    LPITEMIDLIST itemList = nullptr;
    if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_APPDATA, &itemList))) {
        found = SHGetPathFromIDListA(itemList, folder) && folder[0] != '\0';
        if (allocator != nullptr)
            allocator->Free(itemList);
    }
    if (allocator != nullptr)
        allocator->Release();

    // Without the folder there is no log: no file may land at the root of a drive instead.
    if (!found)
        return {};
    return std::string(folder) + "\\tamvoRICK.dat";
}
