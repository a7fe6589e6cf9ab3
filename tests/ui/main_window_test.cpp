#include "contraction_app.h"
#include "contraction_log.h"
#include "dialog_template.h"
#include "list_probe.h"
#include "log_fixture.h"
#include "program_session.h"
#include "resource.h"
#include "temp_folder.h"

#include <commctrl.h>

#include <ctime>

namespace {
HWND List(HWND mainWindow) {
    return GetDlgItem(mainWindow, IDC_HISTORY_LIST);
}

void Press(HWND mainWindow, int id) {
    SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(mainWindow, id)));
}

std::string MenuText(HMENU menu, int position) {
    char text[128] = "";
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

const std::vector<Timestamp> kThreePresses = {1077408000, 1077408125, 1077408725};
const std::vector<ListRow> kThreeRows = {
    {"", "2月22日 9時0分0秒"},
    {" 2分 5秒間隔", "2月22日 9時2分5秒"},
    {"10分 0秒間隔", "2月22日 9時12分5秒"},
};

class MainWindow : public LogFixture {};

TEST(MainWindowTemplate, HoldsTheDesignedWindowAndControls) {
    DialogTemplate t;
    ASSERT_TRUE(LoadDialogTemplate(IDD_MAIN_DIALOG, t));
    EXPECT_EQ(t.style, 0x90C800C0u);
    EXPECT_EQ(t.exStyle, static_cast<DWORD>(WS_EX_APPWINDOW));
    EXPECT_EQ((std::vector<short>{t.x, t.y, t.cx, t.cy}), (std::vector<short>{0, 0, 235, 168}));
    EXPECT_EQ(t.menu, IDR_MAIN_MENU);
    EXPECT_EQ(t.caption, "ヌビロカ");
    EXPECT_EQ(t.face, "MS UI Gothic");
    EXPECT_EQ(t.pointSize, 14);
    EXPECT_EQ(t.weight, 700);
    EXPECT_EQ(t.italic, 0);
    EXPECT_EQ(t.charset, SHIFTJIS_CHARSET);
    ASSERT_EQ(t.items.size(), 3u);
    const TemplateItem expected[] = {
        {0x50810805, 0, 65, 3, 166, 160, IDC_HISTORY_LIST, "SysListView32", ""},
        {0x50010000, 0, 4, 3, 56, 59, IDC_CONTRACTION, "Button", "陣痛ボタン"},
        {0x50010000, 0, 4, 68, 56, 14, IDC_CLEAR, "Button", "クリア"},
    };
    for (std::size_t i = 0; i < 3; ++i) {
        const TemplateItem& item = t.items[i];
        EXPECT_EQ(item.style, expected[i].style) << i;
        EXPECT_EQ(item.exStyle, 0u) << i;
        EXPECT_EQ(
            (std::vector<short>{item.x, item.y, item.cx, item.cy}),
            (std::vector<short>{expected[i].x, expected[i].y, expected[i].cx, expected[i].cy}));
        EXPECT_EQ(item.id, expected[i].id);
        EXPECT_STRCASEEQ(item.className.c_str(), expected[i].className.c_str());
        EXPECT_EQ(item.text, expected[i].text);
    }
}

TEST_F(MainWindow, IsSetUpAsDesigned) {
    RunProgram([](HWND main) {
        EXPECT_EQ(WindowText(main), "ヌビロカ");
        const LONG style = GetWindowLongA(main, GWL_STYLE);
        EXPECT_EQ(style & 0x90C800C0, 0x90C800C0);
        EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
        EXPECT_TRUE(GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_APPWINDOW);
        EXPECT_EQ(GetWindow(main, GW_OWNER), nullptr) << "a top-level window of its own";
        EXPECT_NE(SendMessageA(main, WM_GETICON, ICON_BIG, 0), 0);
        EXPECT_NE(SendMessageA(main, WM_GETICON, ICON_SMALL, 0), 0);

        // Centred on the screen.
        RECT window, work;
        GetWindowRect(main, &window);
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        EXPECT_NEAR((window.left + window.right) / 2, (work.left + work.right) / 2, 2);
        EXPECT_NEAR((window.top + window.bottom) / 2, (work.top + work.bottom) / 2, 2);

        // The controls in tab order.
        std::vector<int> ids;
        for (HWND child = GetWindow(main, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            ids.push_back(GetDlgCtrlID(child));
        EXPECT_EQ(ids, (std::vector<int>{IDC_HISTORY_LIST, IDC_CONTRACTION, IDC_CLEAR}));
        EXPECT_EQ(WindowText(GetDlgItem(main, IDC_CONTRACTION)), "陣痛ボタン");
        EXPECT_EQ(WindowText(GetDlgItem(main, IDC_CLEAR)), "クリア");

        const HMENU menu = GetMenu(main);
        ASSERT_EQ(GetMenuItemCount(menu), 2);
        EXPECT_EQ(MenuText(menu, 0), "ファイル(&F)");
        EXPECT_EQ(MenuText(menu, 1), "ヘルプ(&H)");
        const HMENU file = GetSubMenu(menu, 0);
        ASSERT_EQ(GetMenuItemCount(file), 1);
        EXPECT_EQ(MenuText(file, 0), "終了(&X)");
        EXPECT_EQ(GetMenuItemID(file, 0), static_cast<UINT>(ID_FILE_EXIT));
        const HMENU help = GetSubMenu(menu, 1);
        ASSERT_EQ(GetMenuItemCount(help), 3);
        EXPECT_EQ(MenuText(help, 0), "使い方(&H)");
        EXPECT_EQ(GetMenuItemID(help, 0), static_cast<UINT>(ID_HELP_USAGE));
        EXPECT_EQ(GetMenuState(help, 1, MF_BYPOSITION) & MF_SEPARATOR,
                  static_cast<UINT>(MF_SEPARATOR));
        EXPECT_EQ(MenuText(help, 2), "バージョン情報(&V)");
        EXPECT_EQ(GetMenuItemID(help, 2), static_cast<UINT>(ID_HELP_VERSION));

        // The system menu ends with a separator and the About item.
        const HMENU system = GetSystemMenu(main, FALSE);
        const int items = GetMenuItemCount(system);
        ASSERT_GE(items, 2);
        EXPECT_EQ(GetMenuState(system, items - 2, MF_BYPOSITION) & MF_SEPARATOR,
                  static_cast<UINT>(MF_SEPARATOR));
        EXPECT_EQ(MenuText(system, items - 1), "バージョン情報");
        EXPECT_EQ(GetMenuItemID(system, items - 1), static_cast<UINT>(IDM_ABOUTBOX));

        const HWND list = List(main);
        // The dialog manager shows the template's WS_BORDER as a sunken client edge.
        EXPECT_EQ(GetWindowLongA(list, GWL_STYLE) & 0x50010805, 0x50010805);
        EXPECT_EQ(SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0), LVS_EX_FULLROWSELECT);
        const char* headings[] = {"間隔", "陣痛日時"};
        const int widths[] = {155, 230};
        for (int column = 0; column < 2; ++column) {
            char text[64] = "";
            LVCOLUMNA col{};
            col.mask = LVCF_TEXT | LVCF_FMT;
            col.pszText = text;
            col.cchTextMax = sizeof text;
            ASSERT_TRUE(SendMessageA(list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&col)));
            EXPECT_STREQ(text, headings[column]);
            EXPECT_EQ(col.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
            EXPECT_EQ(SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0), widths[column]);
        }
        EXPECT_EQ(SendMessageA(list, LVM_GETCOLUMNWIDTH, 2, 0), 0) << "two columns only";
    });
}

TEST_F(MainWindow, WithoutALogShowsNoRowsAndNoMessage) {
    RunProgram([](HWND main) {
        EXPECT_TRUE(ListRows(List(main)).empty());
        EXPECT_EQ(SelectedRow(List(main)), -1);
        EXPECT_EQ(FindOwnedDialog(main), nullptr);
        EXPECT_EQ(FocusOfProgram(), List(main)) << "the first tab stop";
    });
    EXPECT_FALSE(LogExists()) << "opening the window writes nothing";
}

TEST_F(MainWindow, ShowsEveryRecordTheNewestSelectedAndTheListFocused) {
    SeedLog(kThreePresses);
    RunProgram([](HWND main) {
        EXPECT_EQ(ListRows(List(main)), kThreeRows);
        EXPECT_EQ(SelectedRow(List(main)), 2);
        EXPECT_EQ(FocusOfProgram(), List(main));
    });
}

TEST_F(MainWindow, ScrollsTheNewestOfManyRowsFullyIntoView) {
    std::vector<Timestamp> presses;
    for (Timestamp i = 0; i < 60; ++i)
        presses.push_back(1077408000 + 300 * i);
    SeedLog(presses);
    RunProgram([](HWND main) {
        const HWND list = List(main);
        EXPECT_EQ(ListRows(list).size(), 60u);
        EXPECT_EQ(SelectedRow(list), 59);
        EXPECT_TRUE(RowFullyVisible(list, 59));
        EXPECT_GT(SendMessageA(list, LVM_GETTOPINDEX, 0, 0), 0);
        EXPECT_EQ(ListRows(list)[59].interval, " 5分 0秒間隔");
    });
}

TEST_F(MainWindow, AnEmptiedOrBlankLogShowsNoRowsWithTheListFocused) {
    for (const char* bytes : {"", "\r\n  \r\n\t\r\n"}) {
        WriteBytes(GetDataFilePath(), bytes);
        RunProgram([](HWND main) {
            EXPECT_TRUE(ListRows(List(main)).empty());
            EXPECT_EQ(FocusOfProgram(), List(main));
        });
    }
}

TEST_F(MainWindow, APressAppendsOneRecordAndShowsItSelected) {
    SeedLog(kThreePresses);
    RunProgram([](HWND main) {
        const auto before = static_cast<Timestamp>(std::time(nullptr));
        Press(main, IDC_CONTRACTION);
        const auto after = static_cast<Timestamp>(std::time(nullptr));

        const std::string bytes = LogBytes();
        const std::string head = "1077408000\r\n1077408125\r\n1077408725\r\n";
        ASSERT_EQ(bytes.substr(0, head.size()), head);
        const std::string record = bytes.substr(head.size());
        ASSERT_EQ(record.size(), 12u) << record;
        EXPECT_EQ(record.substr(10), "\r\n");
        const auto pressed = static_cast<Timestamp>(std::stoul(record));
        EXPECT_GE(pressed, before);
        EXPECT_LE(pressed, after);

        const auto rows = ListRows(List(main));
        ASSERT_EQ(rows.size(), 4u);
        EXPECT_EQ(rows[3].interval, "") << "more than 100 minutes after the last press";
        EXPECT_EQ(SelectedRow(List(main)), 3);
        EXPECT_EQ(FocusOfProgram(), List(main));

        Press(main, IDC_CONTRACTION);
        EXPECT_EQ(ListRows(List(main)).size(), 5u);
        EXPECT_EQ(ListRows(List(main))[4].interval.substr(0, 4), " 0分") << "seconds later";
    });
}

TEST_F(MainWindow, TheFirstPressCreatesTheLog) {
    RunProgram([](HWND main) {
        Press(main, IDC_CONTRACTION);
        EXPECT_EQ(LogBytes().size(), 12u);
        const auto rows = ListRows(List(main));
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].interval, "");
        EXPECT_EQ(SelectedRow(List(main)), 0);
    });
}

TEST_F(MainWindow, APressOnAReadOnlyLogSaysSoAndChangesNothing) {
    SeedLog(kThreePresses);
    MakeLogReadOnly(true);
    RunProgram([](HWND main) {
        for (int attempt = 0; attempt < 2; ++attempt) {
            PostMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_CONTRACTION, BN_CLICKED), 0);
            const HWND box = WaitForWindow([&] { return FindOwnedDialog(main); });
            ASSERT_NE(box, nullptr) << "attempt " << attempt;
            EXPECT_EQ(WindowText(GetDlgItem(box, 0xFFFF)), "Cannot open data file!");
            EXPECT_EQ(WindowText(box), theApp.m_pszAppName);
            EXPECT_EQ(std::string(theApp.m_pszAppName), "ui_tests") << "the executable's name";
            EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
            EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
            EXPECT_EQ(GetDlgItem(box, IDYES), nullptr);
            const HWND icon = GetDlgItem(box, 0x0440);
            ASSERT_NE(icon, nullptr);
            EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(icon, STM_GETICON, 0, 0)),
                      LoadIconA(nullptr, IDI_EXCLAMATION));
            EXPECT_FALSE(IsWindowEnabled(main)) << "the main window waits for the box";

            PostMessageA(box, WM_COMMAND, IDOK, 0);
            ASSERT_TRUE(WaitUntilGone(box));
            Settle(main);
            EXPECT_EQ(ListRows(List(main)), kThreeRows);
        }
    });
    EXPECT_EQ(LogBytes(), "1077408000\r\n1077408125\r\n1077408725\r\n");
}

TEST_F(MainWindow, ClearEmptiesTheLogAndTheListAtOnce) {
    SeedLog(kThreePresses);
    RunProgram([](HWND main) {
        Press(main, IDC_CLEAR);
        EXPECT_TRUE(LogExists());
        EXPECT_EQ(LogBytes(), "");
        EXPECT_TRUE(ListRows(List(main)).empty());
        EXPECT_EQ(FocusOfProgram(), List(main));
        EXPECT_EQ(FindOwnedDialog(main), nullptr) << "no question asked";
    });
}

TEST_F(MainWindow, ClearWithoutALogCreatesAnEmptyOne) {
    RunProgram([](HWND main) {
        Press(main, IDC_CLEAR);
        EXPECT_TRUE(LogExists());
        EXPECT_EQ(LogBytes(), "");
        EXPECT_TRUE(ListRows(List(main)).empty());
    });
}

TEST_F(MainWindow, EnterOnTheListDoesNothingButOnTheButtonItPresses) {
    SeedLog(kThreePresses);
    RunProgram([](HWND main) {
        Activate(main);
        Settle(main);
        ASSERT_EQ(FocusOfProgram(), List(main));
        PressKey(VK_RETURN);
        Settle(main);
        EXPECT_TRUE(IsWindow(main));
        EXPECT_EQ(ListRows(List(main)).size(), 3u);

        PressKey(VK_TAB);
        Settle(main);
        ASSERT_EQ(FocusOfProgram(), GetDlgItem(main, IDC_CONTRACTION));
        PressKey(VK_RETURN);
        Settle(main);
        EXPECT_EQ(ListRows(List(main)).size(), 4u);
        EXPECT_EQ(LogBytes().size(), 3 * 12u + 12u);
    });
}

TEST_F(MainWindow, TabGoesFromTheListToBothButtonsInTurn) {
    RunProgram([](HWND main) {
        Activate(main);
        Settle(main);
        PressKey(VK_TAB);
        Settle(main);
        EXPECT_EQ(FocusOfProgram(), GetDlgItem(main, IDC_CONTRACTION));
        PressKey(VK_TAB);
        Settle(main);
        EXPECT_EQ(FocusOfProgram(), GetDlgItem(main, IDC_CLEAR));
    });
}

// Exit, Escape and the close box each end the program, without a question, keeping every record.
TEST_F(MainWindow, EveryWayOfClosingEndsTheProgram) {
    const std::pair<const char*, void (*)(HWND)> ways[] = {
        {"Exit", [](HWND main) { PostMessageA(main, WM_COMMAND, ID_FILE_EXIT, 0); }},
        {"Escape",
         [](HWND main) {
             Activate(main);
             Settle(main);
             PressKey(VK_ESCAPE);
         }},
        {"close box", [](HWND main) { PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    SeedLog(kThreePresses);
    for (const auto& [name, close] : ways) {
        RunProgram([&, close = close, name = name](HWND main) {
            close(main);
            EXPECT_TRUE(WaitUntilGone(main, 3000)) << name;
        });
        EXPECT_EQ(theApp.m_pMainWnd, nullptr) << name;
        EXPECT_EQ(LogBytes(), "1077408000\r\n1077408125\r\n1077408725\r\n") << name;
    }
}
} // namespace
