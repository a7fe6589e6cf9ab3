// Large logs are read in chunks: memory follows the records, not the file.
#include "log_file.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// Runs `read` in a child process whose heap may not grow past `bytes`; true when it succeeded.
template <class Read> bool ReadsWithin(std::size_t bytes, Read read) {
    const pid_t child = fork();
    if (child == 0) {
        const rlimit limit{bytes, bytes};
        setrlimit(RLIMIT_DATA, &limit);
        _exit(read() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(LargeLog, AMillionRecordsReadBack) {
    TempFolder folder;
    const std::string log = folder.File("tamvoRICK.dat");
    {
        std::ofstream out(log, std::ios::binary);
        for (Timestamp t = 0; t < 1000000; ++t)
            out << 1700000000u + t << "\r\n";
    }
    const auto records = ReadLogAt(log);
    ASSERT_TRUE(records.has_value());
    ASSERT_EQ(records->size(), 1000000u);
    EXPECT_EQ(records->front(), 1700000000u);
    EXPECT_EQ(records->back(), 1700999999u);
}

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TAMVORICK_UNDER_ASAN 1
#endif
#endif
#if !defined(__SANITIZE_ADDRESS__) && !defined(TAMVORICK_UNDER_ASAN)
TEST(LargeLog, AHundredMegabyteLineIsReadInLittleMemory) {
    TempFolder folder;
    const std::string log = folder.File("tamvoRICK.dat");
    constexpr std::size_t kLine = 100u << 20;
    {
        // Letters, so that the line holds no record at all: the result is empty and tiny.
        std::ofstream out(log, std::ios::binary);
        const std::string block(1 << 20, 'x');
        for (std::size_t written = 0; written < kLine; written += block.size())
            out << block;
        out << "\r\n1077408000\r\n";
    }
    EXPECT_TRUE(ReadsWithin(64u << 20, [&] {
        const auto records = ReadLogAt(log);
        return records && *records == std::vector<Timestamp>{1077408000};
    }));
    // The limit is real: holding the file whole would not fit in it.
    EXPECT_FALSE(ReadsWithin(64u << 20, [&] { return ReadBytes(log).size() == kLine + 14; }));
}
#endif
} // namespace
