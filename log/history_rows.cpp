#include "history_rows.h"

#include <cstdio>
#include <ctime>

namespace {
// The interval shown for a press with nothing before it: the first one that shows empty.
constexpr std::uint32_t kNoPreviousInterval = 6000;
constexpr std::uint32_t kLargestMinutesShown = 99;
} // namespace

HistoryRow CHistoryRowBuilder::MakeRow(Timestamp t) {
    const std::uint32_t interval = m_previous == 0 ? kNoPreviousInterval : t - m_previous;
    HistoryRow row{FormatInterval(interval), FormatDateTime(t)};
    m_previous = t;
    return row;
}

std::string CHistoryRowBuilder::FormatInterval(std::uint32_t seconds) {
    const std::uint32_t minutes = seconds / 60;
    if (minutes > kLargestMinutesShown)
        return {};
    char text[64];
    std::snprintf(text, sizeof text, "%2u分%2u秒間隔", static_cast<unsigned>(minutes),
                  static_cast<unsigned>(seconds - minutes * 60));
    return text;
}

std::string CHistoryRowBuilder::FormatDateTime(Timestamp t) {
    // The count is unsigned: presses after 2038 keep their true date, up to 2106.
    const std::time_t when = static_cast<std::time_t>(t);
    const std::tm* local = std::localtime(&when);
    if (local == nullptr)
        return "?";
    char text[64];
    std::snprintf(text, sizeof text, "%d月%d日 %d時%d分%d秒", local->tm_mon + 1, local->tm_mday,
                  local->tm_hour, local->tm_min, local->tm_sec);
    return text;
}
