#pragma once

#include "cstring.h"

// The help page beside the executable: its folder followed by "\doc\index.htm". A path with no
// folder before its last backslash (or with no backslash, or empty) gives "\doc\index.htm".
// Double-byte characters are stepped over, so a second byte 0x5C is never a backslash.
CString HelpPagePath(const char* executablePath);

// The page for what the executable's path query gave: its length, 0 when it failed, the buffer's
// size when the path was cut short, which counts as failed too.
CString HelpPagePathFromQuery(const char* buffer, unsigned long length, unsigned long size);
