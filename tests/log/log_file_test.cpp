#include "log_file.h"

#include "processes.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#ifndef _WIN32
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
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
    EXPECT_EQ(ReadBytes(m_log), "1077408000\r\n1077408000\r\n0\r\n2147483648\r\n4294967295\r\n");
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
    std::filesystem::permissions(m_log,
                                 std::filesystem::perms::owner_write |
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

// Written by hand in an editor: LF endings, blank lines, spaces, a last line without its end and
// a Ctrl-Z at the end.
TEST_F(LogFile, AFileFromAnEditorReadsByTheRulesAndTheNextPressGetsALineOfItsOwn) {
    WriteBytes(m_log, "1077408000\n\n  1077408125  \n\t1077408725\n\n1077409000\x1a");
    EXPECT_EQ(ReadLogAt(m_log), (Records{1077408000, 1077408125, 1077408725, 1077409000}));
    ASSERT_TRUE(AppendAt(1077409300));
    EXPECT_EQ(ReadLogAt(m_log),
              (Records{1077408000, 1077408125, 1077408725, 1077409000, 1077409300}));
    const std::string bytes = ReadBytes(m_log);
    EXPECT_EQ(bytes.substr(bytes.size() - 15), "\x1a\r\n1077409300\r\n");
}

#ifndef _WIN32
TEST(LogFileDiskFull, AFailedWriteIsReportedAsFailure) {
    g_now = 1077408000;
    EXPECT_FALSE(AppendTimestampAt("/dev/full", TestClock));
}

// A disk that fills in the middle of a record: on a tmpfs of two pages, one held by another file,
// the log's one page has room for half a record only.
TEST(LogFileDiskFull, ARecordCutShortIsTakenBackAndReported) {
    TempFolder folder;
    const std::string mountPoint = folder.File("small-disk");
    std::filesystem::create_directory(mountPoint);
    const uid_t uid = geteuid();
    const gid_t gid = getegid();
    const pid_t child = fork();
    if (child == 0) {
        if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            _exit(77);
        // Files can be made in the new namespace only by a user it maps.
        WriteBytes("/proc/self/setgroups", "deny");
        WriteBytes("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1");
        WriteBytes("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1");
        if (mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=8k") != 0)
            _exit(77);
        WriteBytes(mountPoint + "/other", std::string(4096, 'x'));
        std::string records;
        while (records.size() + 12 <= 4090)
            records += "1077408000\r\n";
        records += std::string(4090 - records.size(), '\n');
        const std::string log = mountPoint + "/tamvoRICK.dat";
        WriteBytes(log, records);
        if (ReadBytes(log) != records)
            _exit(78);
        g_now = 1077408125;
        const bool appended = AppendTimestampAt(log, TestClock);
        _exit(appended ? 2 : ReadBytes(log) == records ? 0 : 3);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77)
        GTEST_SKIP() << "no user namespace to mount a small disk in";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "2: reported as stored, 3: the log changed";
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
