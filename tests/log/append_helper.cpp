// Appends COUNT records to the log at PATH, as fast as it can, with a clock of its own that
// stamps each record with COPY * 1000000 + its number, so that the test can tell every copy's
// records apart and check their order.
#include "log_file.h"

#include <cstdlib>
#include <string>

namespace {
Timestamp g_next = 0;
Timestamp NextStamp() {
    return g_next++;
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 4)
        return 2;
    const std::string path = argv[1];
    const unsigned copy = static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10));
    const unsigned count = static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10));
    g_next = copy * 1000000u;
    for (unsigned i = 0; i < count; ++i)
        if (!AppendTimestampAt(path, NextStamp))
            return 1;
    return 0;
}
