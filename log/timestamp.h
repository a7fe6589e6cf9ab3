#pragma once

#include <cstdint>

// Whole seconds since 1970-01-01 00:00:00 UTC, modulo 2^32, as the system clock gives them.
using Timestamp = std::uint32_t;
