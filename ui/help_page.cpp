#include "help_page.h"

#include <mbstring.h>

CString HelpPagePath(const char* executablePath) {
    const auto* path = reinterpret_cast<const unsigned char*>(executablePath);
    const unsigned char* backslash = _mbsrchr(path, '\\');
    const CString folder =
        backslash != nullptr && backslash > path ? CString(executablePath, backslash - path) : "";
    return folder + "\\doc\\index.htm";
}

CString HelpPagePathFromQuery(const char* buffer, unsigned long length, unsigned long size) {
    // A path cut short at the buffer's end is no better than none.
    return HelpPagePath(length == 0 || length >= size ? "" : buffer);
}
