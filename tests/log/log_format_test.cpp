#include "log_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using Records = std::vector<Timestamp>;

struct ReadCase {
    const char* name;
    std::string bytes;
    Records expected;
};

const std::string kNul(1, '\0');

const ReadCase kReadCases[] = {
    {"empty file", "", {}},
    {"records as written", "1077408000\r\n0\r\n2147483648\r\n", {1077408000, 0, 2147483648u}},
    {"equal and decreasing values kept", "5\r\n5\r\n3\r\n", {5, 5, 3}},
    {"LF alone", "1\n2\n", {1, 2}},
    {"space, TAB, CR, VT, FF around digits", " \t1077408000 \r\r\n\v\f7\t\n", {1077408000, 7}},
    {"blank and white-space lines", "\r\n\n  \t\r\n1\r\n \r\n", {1}},
    {"leading zeros", "0001077408000\r\n", {1077408000}},
    {"plus sign", "+5\r\n", {5}},
    {"minus negates modulo 2^32", "-1\r\n-4294967295\r\n", {4294967295u, 1}},
    {"digits modulo 2^32", "4294967296\r\n4294967297\r\n", {0, 1}},
    {"text after the number ignored", "12abc\r\n1 2\r\n", {12, 1}},
    // ':' and ';' follow '9' in ASCII: in a line of record length they still end the number.
    {"punctuation after digits in a ten-character line",
     "214748;648\r\n1077408:00\r\n",
     {214748, 1077408}},
    {"bare CR joins two numbers into one line", "1\r2\r\n", {1}},
    {"last line without its end", "5\r\n6", {5, 6}},
    {"last line ending in a bare CR", "5\r", {5}},
    {"NUL ends the text of a piece", "12" + kNul + "34\r\n", {12}},
    {"piece beginning with NUL is blank", kNul + "123\r\n4\r\n", {4}},
    {"sign without digits is no record", "+\r\n-\r\n- 5\r\n+-5\r\n", {}},
    // A full-width space (0x81 0x40) is not white space, so the line is no number and is skipped.
    {"full-width space before digits",
     "\x81\x40"
     "5\r\n",
     {}},
    {"letters skipped, no earlier value repeated", "abc\r\n5\r\nxyz\r\n", {5}},
    {"Ctrl-Z is an ordinary character",
     "1\r\n\x1a\r\n2\r\n5\x1a"
     "7\r\n",
     {1, 2, 5}},
    {"records after a trailing Ctrl-Z", "1\r\n\x1a\r\n9\r\n", {1, 9}},
    // 600 digits: the first 511 characters are one piece, the remaining 89 another.
    {"600-digit line cut after 511 characters",
     std::string(505, '0') + "123456" + std::string(83, '0') + "654321\r\n",
     {123456, 654321}},
    {"510 characters and CR LF are one piece", std::string(509, '0') + "7\r\n8\r\n", {7, 8}},
    {"LF after 511 characters is a blank piece", std::string(510, '0') + "7\n8\n", {7, 8}},
    {"CR LF after 511 characters is a blank piece", std::string(510, '0') + "7\r\n8\r\n", {7, 8}},
    {"bare CR counts toward the 511", std::string(508, '0') + "7\r\r3\r\n", {7, 3}},
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class ReadRules : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadRules, ReadsTheRecords) {
    EXPECT_EQ(ParseLog(GetParam().bytes), GetParam().expected);
}

// The reader sees the file in chunks: the result must not depend on where a chunk ends.
TEST_P(ReadRules, ReadsTheSameRecordsFedByteByByte) {
    CLogParser parser;
    for (const char c : GetParam().bytes)
        parser.Feed({&c, 1});
    EXPECT_EQ(parser.Finish(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Log, ReadRules, testing::ValuesIn(kReadCases),
                         [](const testing::TestParamInfo<ReadCase>& info) {
                             std::string name;
                             for (const char c : std::string(info.param.name))
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

// Logs as written are read several records at a time; every byte of such a run must still be
// checked, so each one is spoiled in turn and the result compared with a byte-by-byte reading,
// which takes the careful way throughout.
TEST(WrittenRecords, ReadSeveralAtATimeAsOneByOne) {
    const std::string written = "1234567890\r\n0987654321\r\n4294967295\r\n4294967296\r\n"
                                "9999999999\r\n1077408000\r\n";
    EXPECT_EQ(ParseLog(written),
              (Records{1234567890, 987654321, 4294967295u, 0, 1410065407, 1077408000}));
    const auto byteByByte = [](const std::string& bytes) {
        CLogParser parser;
        for (const char c : bytes)
            parser.Feed({&c, 1});
        return parser.Finish();
    };
    // Just outside the digits and the line ends, the other line end, a letter, white space, a
    // lead byte, NUL.
    const char spoilers[] = {'/', ':', '\x0c', '\x0e', '\x0b', '\r', '\n', 'a', ' ', '\x81', '\0'};
    for (std::size_t at = 0; at < written.size(); ++at) {
        for (const char spoiler : spoilers) {
            std::string bytes = written;
            bytes[at] = spoiler;
            EXPECT_EQ(ParseLog(bytes), byteByByte(bytes))
                << "byte " << at << " made " << static_cast<int>(spoiler);
        }
    }
}

TEST(RecordFormat, DigitsThenCrLf) {
    EXPECT_EQ(FormatRecord(1077408000, false), "1077408000\r\n");
    EXPECT_EQ(FormatRecord(0, false), "0\r\n");
    EXPECT_EQ(FormatRecord(4294967295u, false), "4294967295\r\n");
    EXPECT_EQ(FormatRecord(1077408000, false).size(), 12u);
}

TEST(RecordFormat, ClosesAnOpenLastLineFirst) {
    EXPECT_EQ(FormatRecord(5, true), "\r\n5\r\n");
    EXPECT_EQ(ParseLog("12" + FormatRecord(5, true)), (Records{12, 5}));
}
} // namespace
