#pragma once

#include "timestamp.h"

#include <optional>
#include <string>
#include <vector>

// The contraction log: "tamvoRICK.dat" in the user's application-data folder, one record per
// press. Every operation looks the path up afresh and closes the file before it returns.

// Full path of the log; empty when the data folder cannot be found, so that nothing is ever
// written elsewhere.
std::string GetDataFilePath();

// Records the current time as one new record. False when the press could not be stored whole.
bool AppendTimestamp();

// Empties the log, creating it if need be. Reports nothing.
void ClearLog();

// Every record, oldest first; no value when the log cannot be opened (above all before the first
// press), an empty sequence after a clear.
std::optional<std::vector<Timestamp>> ReadLog();
