#include "contraction_dlg.h"

#include "about_dlg.h"
#include "contraction_log.h"
#include "data_exchange.h"
#include "gdi.h"
#include "help_page.h"
#include "history_rows.h"
#include "resource.h"
#include "win_app.h"

#include <shellapi.h>

CContractionDlg::CContractionDlg(CWnd* parent)
    : CDialog(IDD_MAIN_DIALOG, parent),
      m_hIcon(::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME))) {}

const MessageMap* CContractionDlg::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        MessageEntry(WM_SYSCOMMAND, &CContractionDlg::OnSysCommand),
        MessageEntry(WM_PAINT, &CContractionDlg::OnPaint),
        MessageEntry(WM_QUERYDRAGICON, &CContractionDlg::OnQueryDragIcon),
        CommandEntry(ID_HELP_VERSION, &CContractionDlg::OnAppAbout),
        CommandEntry(IDC_CONTRACTION, &CContractionDlg::OnContraction),
        CommandEntry(ID_FILE_EXIT, &CContractionDlg::OnFileExit),
        CommandEntry(IDC_CLEAR, &CContractionDlg::OnClear),
        CommandEntry(ID_HELP_USAGE, &CContractionDlg::OnHelpUsage),
    };
    static const MessageMap map = MakeMessageMap(CDialog::GetThisMessageMap(), entries);
    return &map;
}

void CContractionDlg::DoDataExchange(CDataExchange* exchange) {
    DDX_Control(exchange, IDC_HISTORY_LIST, m_list);
}

BOOL CContractionDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    if (CMenu systemMenu = GetSystemMenu(FALSE); systemMenu.m_hMenu != nullptr) {
        systemMenu.AppendMenu(MF_SEPARATOR);
        systemMenu.AppendMenu(MF_STRING, IDM_ABOUTBOX, "バージョン情報");
    }

    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    m_list.InsertColumn(0, "間隔", LVCFMT_LEFT);
    m_list.InsertColumn(1, "陣痛日時", LVCFMT_LEFT);
    // Pixels, not dialog units: the same on every display.
    m_list.SetColumnWidth(0, 155);
    m_list.SetColumnWidth(1, 230);
    m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT);

    RefreshHistory();
    return TRUE; // the focus goes to the first tab stop, the list
}

void CContractionDlg::RefreshHistory() {
    // The old rows go first, so that none is left standing when the log cannot be read.
    m_list.DeleteAllItems();
    const auto records = ReadLog();
    if (!records)
        return;

    // The list would repaint after every row: held off, a rebuild of any length paints once.
    m_list.SetRedraw(FALSE);
    CHistoryRowBuilder builder;
    int rows = 0;
    for (const Timestamp t : *records) {
        const HistoryRow row = builder.MakeRow(t);
        m_list.InsertItem(rows, row.strInterval.c_str());
        m_list.SetItemText(rows, 1, row.strDateTime.c_str());
        ++rows;
    }
    m_list.SetRedraw(TRUE);
    m_list.Invalidate();

    if (rows > 0) {
        m_list.SetItemState(rows - 1, LVIS_SELECTED, LVIS_SELECTED);
        m_list.EnsureVisible(rows - 1, FALSE);
    }
    m_list.SetFocus();
}

void CContractionDlg::OnSysCommand(UINT id, LPARAM) {
    // Windows uses the lowest four bits of a system command for itself.
    if ((id & 0xFFF0) == IDM_ABOUTBOX)
        OnAppAbout();
    else
        Default();
}

void CContractionDlg::OnPaint() {
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int iconWidth = ::GetSystemMetrics(SM_CXICON);
    const int iconHeight = ::GetSystemMetrics(SM_CYICON);
    RECT client;
    GetClientRect(&client);
    const int x = (client.right - client.left - iconWidth + 1) / 2;
    const int y = (client.bottom - client.top - iconHeight + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CContractionDlg::OnQueryDragIcon() {
    return static_cast<HCURSOR>(m_hIcon);
}

void CContractionDlg::OnAppAbout() {
    CAboutDlg about;
    about.DoModal();
}

void CContractionDlg::OnContraction() {
    if (!AppendTimestamp()) {
        // Nothing was recorded: the list keeps what it showed.
        AfxMessageBox("Cannot open data file!", MB_OK, 0);
        return;
    }
    RefreshHistory();
}

void CContractionDlg::OnFileExit() {
    // The framework's OK, not this window's own, which does nothing.
    CDialog::OnOK();
}

void CContractionDlg::OnClear() {
    ClearLog();
    RefreshHistory();
}

// Enter with the list focused must not close the window in the middle of labour.
void CContractionDlg::OnOK() {}

void CContractionDlg::OnCancel() {
    CDialog::OnCancel();
}

void CContractionDlg::OnHelpUsage() {
    char executable[4096];
    const DWORD length = ::GetModuleFileNameA(nullptr, executable, sizeof executable);
    const CString page = HelpPagePathFromQuery(executable, length, sizeof executable);

    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteA(nullptr, "open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result <= 32) {
        const CString text = "ヘルプファイルが見つからないか、ブラウザが起動できません。\n" + page;
        MessageBox(text.c_str(), "エラー", MB_OK | MB_ICONWARNING);
    }
}
