#pragma once

#include "timestamp.h"

#include <optional>
#include <string>
#include <vector>

// The log operations on a given path and clock: the file and the clock are the only edges, so
// tests run them against a folder and a time of their own.

using Clock = Timestamp (*)();

// The system clock, read as whole seconds modulo 2^32.
Timestamp SystemClock();

// Opens the log append-only and shared, reads the clock only once the open has succeeded, and
// writes the record in one write. True only when the whole record is on disk and the file closed.
bool AppendTimestampAt(const std::string& path, Clock clock);

void ClearLogAt(const std::string& path);

std::optional<std::vector<Timestamp>> ReadLogAt(const std::string& path);
