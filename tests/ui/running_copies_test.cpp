#include "contraction_log.h"
#include "log_fixture.h"
#include "program_process.h"
#include "program_session.h"
#include "resource.h"

#include <commctrl.h>

#include <ctime>
#include <memory>

namespace {
void PostPress(HWND main) {
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_CONTRACTION, BN_CLICKED), 0);
}
// Returns once the press has been handled, the log written and the list rebuilt.
void SendPress(HWND main) {
    SendMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_CONTRACTION, BN_CLICKED), 0);
}

std::size_t RecordCount() {
    const auto records = ReadLog();
    return records ? records->size() : 0;
}

// Every line is ten digits and CR LF, and the times never go back: each copy's presses keep
// their order, and none is torn by another's.
void ExpectWellFormed(const std::string& bytes, Timestamp from, Timestamp to) {
    Timestamp previous = 0;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = bytes.find("\r\n", start);
        ASSERT_NE(end, std::string::npos) << "the log ends in a line end";
        const std::string line = bytes.substr(start, end - start);
        start = end + 2;
        ASSERT_EQ(line.size(), 10u) << "'" << line << "'";
        ASSERT_EQ(line.find_first_not_of("0123456789"), std::string::npos) << line;
        const auto t = static_cast<Timestamp>(std::stoul(line));
        EXPECT_GE(t, previous);
        EXPECT_GE(t, from);
        EXPECT_LE(t, to);
        previous = t;
    }
}

class RunningCopies : public LogFixture {};

TEST_F(RunningCopies, PressingAsFastAsTheyTakeLosesNothing) {
    constexpr int kCopies = 4;
    constexpr int kPresses = 250;
    const auto from = static_cast<Timestamp>(std::time(nullptr));
    std::vector<std::unique_ptr<CProgramProcess>> copies;
    std::vector<HWND> windows;
    for (int i = 0; i < kCopies; ++i) {
        copies.push_back(std::make_unique<CProgramProcess>());
        windows.push_back(copies.back()->MainWindow());
        ASSERT_NE(windows.back(), nullptr) << "copy " << i;
    }
    for (int press = 0; press < kPresses; ++press)
        for (const HWND window : windows)
            PostPress(window);

    for (int waited = 0; RecordCount() < kCopies * kPresses && waited < 300000; waited += 200)
        Sleep(200);
    EXPECT_EQ(RecordCount(), static_cast<std::size_t>(kCopies * kPresses));
    ExpectWellFormed(LogBytes(), from, static_cast<Timestamp>(std::time(nullptr)));

    // Each copy's next rebuild shows every press of all of them.
    for (int i = 0; i < kCopies; ++i) {
        SendPress(windows[i]);
        const HWND list = GetDlgItem(windows[i], IDC_HISTORY_LIST);
        EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), kCopies * kPresses + i + 1) << i;
    }
    for (const HWND window : windows)
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    for (auto& copy : copies)
        EXPECT_TRUE(copy->WaitForExit(10000));
}

TEST_F(RunningCopies, APressIsOnDiskBeforeItsHandlerReturns) {
    const auto from = static_cast<Timestamp>(std::time(nullptr));
    for (int run = 1; run <= 3; ++run) {
        CProgramProcess program;
        const HWND main = program.MainWindow();
        ASSERT_NE(main, nullptr);
        for (int press = 0; press < 5; ++press)
            SendPress(main);
        program.Kill();
        EXPECT_EQ(RecordCount(), 5u * run);
    }
    ExpectWellFormed(LogBytes(), from, static_cast<Timestamp>(std::time(nullptr)));
}

// Another program holds the log open and shares it with nobody; the folder has gone. Either way a
// press says it was not recorded, changes nothing, and works again once the cause is gone.
TEST_F(RunningCopies, ALockedLogOrAMissingFolderIsReported) {
    SeedLog({1077408000});
    const std::string folder = GetDataFilePath().substr(0, GetDataFilePath().rfind('\\'));
    const std::string away = folder + ".away";

    auto expectRefused = [](HWND main) {
        PostPress(main);
        const HWND box = WaitForWindow([&] { return FindOwnedDialog(main); });
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(WindowText(GetDlgItem(box, 0xFFFF)), "Cannot open data file!");
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(WaitUntilGone(box));
        Settle(main);
        EXPECT_EQ(SendMessageA(GetDlgItem(main, IDC_HISTORY_LIST), LVM_GETITEMCOUNT, 0, 0), 1);
    };
    RunProgram([&](HWND main) {
        const HANDLE locked =
            CreateFileA(GetDataFilePath().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(locked, INVALID_HANDLE_VALUE);
        expectRefused(main);
        CloseHandle(locked);
        EXPECT_EQ(LogBytes(), "1077408000\r\n");

        ASSERT_TRUE(MoveFileA(folder.c_str(), away.c_str()));
        expectRefused(main);
        EXPECT_FALSE(GetFileAttributesA(folder.c_str()) != INVALID_FILE_ATTRIBUTES)
            << "the folder is never made";
        ASSERT_TRUE(MoveFileA(away.c_str(), folder.c_str()));

        SendPress(main);
        EXPECT_EQ(SendMessageA(GetDlgItem(main, IDC_HISTORY_LIST), LVM_GETITEMCOUNT, 0, 0), 2);
    });
}
} // namespace
