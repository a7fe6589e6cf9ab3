#include "help_page.h"
#include "list_probe.h"
#include "log_fixture.h"
#include "processes.h"
#include "program_process.h"
#include "program_session.h"
#include "resource.h"
#include "shell_handlers.h"

#include <windows.h>

#include <filesystem>

namespace {
struct PageCase {
    const char* executable;
    const char* page;
};

TEST(HelpPagePath, IsTheExecutablesFolderAndDocIndex) {
    const PageCase cases[] = {
        {"C:\\Tools\\app.exe", "C:\\Tools\\doc\\index.htm"},
        {"C:\\app.exe", "C:\\doc\\index.htm"},
        {"\\\\server\\share\\app.exe", "\\\\server\\share\\doc\\index.htm"},
        {"app.exe", "\\doc\\index.htm"},
        {"\\app.exe", "\\doc\\index.htm"},
        {"", "\\doc\\index.htm"},
        // 表 and ソ end in the byte 0x5C, which is no backslash there.
        {"C:\\Tools\\表.exe", "C:\\Tools\\doc\\index.htm"},
        {"C:\\Tools\\ソ", "C:\\Tools\\doc\\index.htm"},
        {"C:\\表\\app.exe", "C:\\表\\doc\\index.htm"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HelpPagePath(c.executable), c.page) << c.executable;
}

TEST(HelpPagePath, AFailedOrCutQueryGivesNoFolder) {
    const char path[] = "C:\\Tools\\app.exe";
    EXPECT_EQ(HelpPagePathFromQuery(path, sizeof path - 1, 4096), "C:\\Tools\\doc\\index.htm");
    EXPECT_EQ(HelpPagePathFromQuery(path, 0, 4096), "\\doc\\index.htm");
    EXPECT_EQ(HelpPagePathFromQuery(path, 4096, 4096), "\\doc\\index.htm");
}

class HelpCommand : public LogFixture {};

// The test program has no help page beside it.
TEST_F(HelpCommand, AMissingPageIsReportedWithThePathTried) {
    const std::string page = ExecutableFolder() + "\\doc\\index.htm";
    ASSERT_FALSE(std::filesystem::exists(page));
    SeedLog({1077408000});
    RunProgram([&](HWND main) {
        for (int attempt = 0; attempt < 2; ++attempt) {
            PostMessageA(main, WM_COMMAND, ID_HELP_USAGE, 0);
            const HWND box = WaitForWindow([&] { return FindOwnedDialog(main); }, 10000);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(WindowText(box), "エラー");
            EXPECT_EQ(WindowText(GetDlgItem(box, 0xFFFF)),
                      "ヘルプファイルが見つからないか、ブラウザが起動できません。\n" + page);
            EXPECT_EQ(
                reinterpret_cast<HICON>(SendMessageA(GetDlgItem(box, 0x0440), STM_GETICON, 0, 0)),
                LoadIconA(nullptr, IDI_WARNING));
            EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
            EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            ASSERT_TRUE(WaitUntilGone(box));
            Settle(main);
            EXPECT_EQ(ListRows(GetDlgItem(main, IDC_HISTORY_LIST)).size(), 1u);
        }
    });
}

// The built program has its page beside it: the shell is handed that page.
TEST_F(HelpCommand, TheBuiltProgramOpensItsOwnPage) {
    const std::string page = CProgramProcess::Folder() + "\\doc\\index.htm";
    ASSERT_TRUE(std::filesystem::exists(page));
    RegisterShellRecorder();
    ForgetShellOpened();

    CProgramProcess program;
    const HWND main = program.MainWindow();
    ASSERT_NE(main, nullptr);
    PostMessageA(main, WM_COMMAND, ID_HELP_USAGE, 0);
    const auto opened = WaitForShellOpened(1);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_STRCASEEQ(opened[0].c_str(), page.c_str());

    PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(program.WaitForExit(10000));
}
} // namespace
