#include "history_rows.h"

#include "time_zone.h"

#include <gtest/gtest.h>

namespace {
class HistoryRows : public testing::Test {
  protected:
    static void SetUpTestSuite() { UseTimeZone("JST-9"); }
};

struct RowCase {
    Timestamp t;
    const char* interval;
    const char* dateTime;
};

TEST_F(HistoryRows, OnePassOverALogOfSevenRecords) {
    const RowCase rows[] = {
        {1077408000, "", "2月22日 9時0分0秒"},
        {1077408125, " 2分 5秒間隔", "2月22日 9時2分5秒"},
        {1077408725, "10分 0秒間隔", "2月22日 9時12分5秒"},
        {1077414724, "99分59秒間隔", "2月22日 10時52分4秒"},
        {1077414724, " 0分 0秒間隔", "2月22日 10時52分4秒"},
        {1077420724, "", "2月22日 12時32分4秒"},
        {1077420000, "", "2月22日 12時20分0秒"},
    };
    CHistoryRowBuilder builder;
    for (const auto& expected : rows) {
        const HistoryRow row = builder.MakeRow(expected.t);
        EXPECT_EQ(row.strInterval, expected.interval) << expected.t;
        EXPECT_EQ(row.strDateTime, expected.dateTime) << expected.t;
    }
}

TEST_F(HistoryRows, IntervalTexts) {
    const std::pair<std::uint32_t, const char*> cases[] = {
        {0, " 0分 0秒間隔"},    {59, " 0分59秒間隔"}, {60, " 1分 0秒間隔"}, {125, " 2分 5秒間隔"},
        {5999, "99分59秒間隔"}, {6000, ""},           {6059, ""},           {4294967295u, ""},
    };
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(CHistoryRowBuilder::FormatInterval(seconds), text) << seconds;
}

TEST_F(HistoryRows, DateTimeTexts) {
    const std::pair<Timestamp, const char*> cases[] = {
        {0, "1月1日 9時0分0秒"},
        {2147483647u, "1月19日 12時14分7秒"},
        // From 2038 on the count stays unsigned and keeps its true date.
        {2147483648u, "1月19日 12時14分8秒"},
        {4102412400u, "1月1日 0時0分0秒"}, // 2100-01-01 00:00 in Tokyo
        {4294967295u, "2月7日 15時28分15秒"},
    };
    for (const auto& [t, text] : cases)
        EXPECT_EQ(CHistoryRowBuilder::FormatDateTime(t), text) << t;
}

TEST_F(HistoryRows, ARecordAfterTimestampZeroIsMeasuredFromNothing) {
    CHistoryRowBuilder builder;
    EXPECT_EQ(builder.MakeRow(0).strInterval, "");
    EXPECT_EQ(builder.MakeRow(100).strInterval, "");
    EXPECT_EQ(builder.MakeRow(160).strInterval, " 1分 0秒間隔");
}

TEST_F(HistoryRows, AnEarlierRecordShowsNoIntervalAndTheNextIsMeasuredFromIt) {
    CHistoryRowBuilder builder;
    builder.MakeRow(1077408600);
    EXPECT_EQ(builder.MakeRow(1077408000).strInterval, "");
    EXPECT_EQ(builder.MakeRow(1077408030).strInterval, " 0分30秒間隔");
}

TEST_F(HistoryRows, EveryPassStartsAfresh) {
    CHistoryRowBuilder first;
    first.MakeRow(1077408000);
    CHistoryRowBuilder second;
    EXPECT_EQ(second.MakeRow(1077408060).strInterval, "");
}
} // namespace
