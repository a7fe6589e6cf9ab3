#include "contraction_log.h"

#include <cstdlib>

namespace {
// Only an absolute folder counts; an unset, empty or relative variable is passed over.
const char* AbsoluteFolder(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && value[0] == '/' ? value : nullptr;
}
} // namespace

std::string GetDataFilePath() {
    if (const char* dataHome = AbsoluteFolder("XDG_DATA_HOME"))
        return std::string(dataHome) + "/tamvoRICK.dat";
    if (const char* home = AbsoluteFolder("HOME"))
        return std::string(home) + "/.local/share/tamvoRICK.dat";
    return {};
}
