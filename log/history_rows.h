#pragma once

#include "timestamp.h"

#include <cstdint>
#include <string>

// One row of the history list: the interval since the previous press, and when the press came.
struct HistoryRow {
    std::string strInterval;
    std::string strDateTime;
};

// Turns the log's records, in file order, into rows; one builder serves one pass over the log.
class CHistoryRowBuilder {
  public:
    HistoryRow MakeRow(Timestamp t);

    // Empty from 100 minutes on, so that the first press of a pass shows no interval.
    static std::string FormatInterval(std::uint32_t seconds);
    static std::string FormatDateTime(Timestamp t);

  private:
    Timestamp m_previous = 0; // 0: no previous record
};
