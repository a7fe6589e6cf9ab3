#include "log_file.h"

#include "processes.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {
using Records = std::vector<Timestamp>;

Timestamp g_now = 0;
int g_clockReads = 0;
Timestamp TestClock() {
    ++g_clockReads;
    return g_now;
}

class LogFile : public testing::Test {
protected:
    void SetUp() override { g_clockReads = 0; }

    bool AppendAt(Timestamp now) {
        g_now = now;
        return AppendTimestampAt(m_log, TestClock);
    }

    TempFolder m_folder;
    std::string m_log = m_folder.File("tamvoRICK.dat");
};

TEST_F(LogFile, NoFileYetIsNoLog) {
    EXPECT_FALSE(ReadLogAt(m_log).has_value());
    EXPECT_FALSE(std::filesystem::exists(m_log)); // reading creates nothing
}

TEST_F(LogFile, FirstAppendCreatesTheFileWithOneRecord) {
    ASSERT_TRUE(AppendAt(1077408000));
    EXPECT_EQ(ReadBytes(m_log), "1077408000\r\n");
    EXPECT_EQ(ReadLogAt(m_log), (Records{1077408000}));
}

TEST_F(LogFile, AppendsGoAfterTheLastByteInOrder) {
    for (const Timestamp t : {1077408000u, 1077408000u, 0u, 2147483648u, 4294967295u})
        ASSERT_TRUE(AppendAt(t));
    EXPECT_EQ(ReadBytes(m_log),
              "1077408000\r\n1077408000\r\n0\r\n2147483648\r\n4294967295\r\n");
    EXPECT_EQ(ReadLogAt(m_log), (Records{1077408000, 1077408000, 0, 2147483648u, 4294967295u}));
}

TEST_F(LogFile, ClearEmptiesTheFileAndLeavesAnEmptyLog) {
    ASSERT_TRUE(AppendAt(7));
    ClearLogAt(m_log);
    EXPECT_EQ(std::filesystem::file_size(m_log), 0u);
    EXPECT_EQ(ReadLogAt(m_log), Records{});
    ASSERT_TRUE(AppendAt(8));
    EXPECT_EQ(ReadBytes(m_log), "8\r\n");
}

TEST_F(LogFile, ClearCreatesAMissingLogEmpty) {
    ClearLogAt(m_log);
    ASSERT_TRUE(std::filesystem::exists(m_log));
    EXPECT_EQ(ReadLogAt(m_log), Records{});
}

TEST_F(LogFile, AppendToAMissingFolderFailsWithoutReadingTheClock) {
    const std::string inMissingFolder = m_folder.File("missing") + "/tamvoRICK.dat";
    g_now = 1;
    EXPECT_FALSE(AppendTimestampAt(inMissingFolder, TestClock));
    EXPECT_EQ(g_clockReads, 0);
    EXPECT_FALSE(std::filesystem::exists(m_folder.File("missing")));
    ClearLogAt(inMissingFolder);
    EXPECT_FALSE(ReadLogAt(inMissingFolder).has_value());
}

TEST_F(LogFile, ReadOnlyLogKeepsItsRecords) {
#ifndef _WIN32
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes to read-only files; the Windows run covers this case";
#endif
    ASSERT_TRUE(AppendAt(5));
    std::filesystem::permissions(m_log, std::filesystem::perms::owner_write |
                                            std::filesystem::perms::group_write |
                                            std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
    EXPECT_FALSE(AppendAt(6));
    EXPECT_EQ(g_clockReads, 1); // only the first, successful press read it
    ClearLogAt(m_log);
    EXPECT_EQ(ReadBytes(m_log), "5\r\n");
    EXPECT_EQ(ReadLogAt(m_log), Records{5});
}

TEST_F(LogFile, EmptyPathTouchesNothing) {
    EXPECT_FALSE(AppendTimestampAt("", TestClock));
    EXPECT_EQ(g_clockReads, 0);
    ClearLogAt("");
    EXPECT_FALSE(ReadLogAt("").has_value());
}

struct OpenLineCase {
    const char* before;
    const char* after;
    Records records;
};

TEST_F(LogFile, ARecordNeverRunsOnFromAnOpenLastLine) {
    const OpenLineCase cases[] = {
        {"5", "5\r\n7\r\n", {5, 7}},
        {"5\r", "5\r\r\n7\r\n", {5, 7}},
        {"5\r\n\x1a", "5\r\n\x1a\r\n7\r\n", {5, 7}},
        {"5\n", "5\n7\r\n", {5, 7}},
        {"", "7\r\n", {7}},
    };
    for (const auto& c : cases) {
        WriteBytes(m_log, c.before);
        ASSERT_TRUE(AppendAt(7));
        EXPECT_EQ(ReadBytes(m_log), c.after) << "before: " << testing::PrintToString(c.before);
        EXPECT_EQ(ReadLogAt(m_log), c.records);
    }
}

#ifndef _WIN32
TEST(LogFileDiskFull, AFailedWriteIsReportedAsFailure) {
    g_now = 1077408000;
    EXPECT_FALSE(AppendTimestampAt("/dev/full", TestClock));
}
#endif

TEST_F(LogFile, CopiesAppendingAtOnceLoseNothing) {
    constexpr unsigned kCopies = 4;
    constexpr unsigned kPresses = 300;
    std::vector<std::vector<std::string>> commands;
    for (unsigned copy = 1; copy <= kCopies; ++copy) {
        std::string program = ExecutableFolder() + "/log_append_helper";
#ifdef _WIN32
        program += ".exe";
#endif
        commands.push_back({program, m_log, std::to_string(copy), std::to_string(kPresses)});
    }
    ASSERT_TRUE(RunTogether(commands));

    const auto records = ReadLogAt(m_log);
    ASSERT_TRUE(records.has_value());
    EXPECT_EQ(records->size(), kCopies * kPresses);
    // Every line is a whole record or, where a copy saw another's record half-way to the disk
    // and closed the line first, blank.
    const std::string bytes = ReadBytes(m_log);
    std::size_t wellFormed = 0;
    for (std::size_t start = 0, end; start < bytes.size(); start = end + 2) {
        end = bytes.find("\r\n", start);
        ASSERT_NE(end, std::string::npos) << "the log ends in a line end";
        const std::size_t length = end - start;
        ASSERT_TRUE(length == 0 || length == 7) << bytes.substr(start, length);
        wellFormed += length == 7;
    }
    EXPECT_EQ(wellFormed, kCopies * kPresses);
    std::map<unsigned, Timestamp> nextOfCopy;
    for (unsigned copy = 1; copy <= kCopies; ++copy)
        nextOfCopy[copy] = copy * 1000000u;
    for (const Timestamp t : *records) {
        const unsigned copy = t / 1000000u;
        ASSERT_TRUE(nextOfCopy.count(copy)) << t;
        EXPECT_EQ(t, nextOfCopy[copy]) << "each copy's records stay in its own order";
        nextOfCopy[copy] = t + 1;
    }
}
} // namespace
