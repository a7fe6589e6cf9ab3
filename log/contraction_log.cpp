#include "contraction_log.h"

#include "log_file.h"

bool AppendTimestamp() {
    return AppendTimestampAt(GetDataFilePath(), SystemClock);
}

void ClearLog() {
    ClearLogAt(GetDataFilePath());
}

std::optional<std::vector<Timestamp>> ReadLog() {
    return ReadLogAt(GetDataFilePath());
}
