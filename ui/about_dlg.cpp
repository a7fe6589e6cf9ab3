#include "about_dlg.h"

#include "about_texts.h"
#include "gdi.h"
#include "resource.h"
#include "win_app.h"

#include <shellapi.h>

namespace {
// Fixed in client pixels: it does not follow the drawn address.
constexpr RECT kLinkRect{30, 140, 150, 155};
constexpr COLORREF kLinkColour = 0xC80000;
const char* const kFaceName = "ＭＳ ゴシック";

struct PaintedLine {
    int x, y;
    const char* text;
};
const PaintedLine kBodyLines[] = {
    {10, 30, kCopyrightLine},
    {10, 60, "★ 個人でのご利用は無料です。"},
    {10, 80, "★ 本ソフトは無保証です。ご利用は自己責任でお願いいたします。"},
    {10, 100, "★ 不具合報告やご意見などは以下にお願いいたします。"},
    {10, 120, "　（返事は返せないと思いますが、ご意見などいただければ幸いです。^^)"},
};

bool OnLink(POINT point) {
    return ::PtInRect(&kLinkRect, point);
}
} // namespace

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

const MessageMap* CAboutDlg::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        MessageEntry(WM_ERASEBKGND, &CAboutDlg::OnEraseBkgnd),
        MessageEntry(WM_PAINT, &CAboutDlg::OnPaint),
        MessageEntry(WM_MOUSEMOVE, &CAboutDlg::OnMouseMove),
        MessageEntry(WM_LBUTTONDOWN, &CAboutDlg::OnLButtonDown),
    };
    static const MessageMap map = MakeMessageMap(CDialog::GetThisMessageMap(), entries);
    return &map;
}

BOOL CAboutDlg::OnEraseBkgnd(CDC*) {
    return static_cast<BOOL>(Default());
}

void CAboutDlg::OnPaint() {
    CPaintDC dc(this);
    RECT client;
    GetClientRect(&client);
    CFont titleFont;
    CFont bodyFont;
    titleFont.CreatePointFont(120, kFaceName, &dc);
    bodyFont.CreatePointFont(80, kFaceName, &dc);

    const HGDIOBJ previousFont = dc.SelectObject(&titleFont);
    // White also becomes the background of every line drawn below.
    dc.FillSolidRect(client, RGB(255, 255, 255));
    dc.TextOut(10, 10, "ヌビロカ Version 1.01");
    dc.SelectObject(&bodyFont);
    for (const auto& line : kBodyLines)
        dc.TextOut(line.x, line.y, line.text);
    dc.SetTextColor(kLinkColour);
    dc.TextOut(30, 140, kContactAddress);
    dc.SelectObject(previousFont);

    titleFont.DeleteObject();
    bodyFont.DeleteObject();
}

void CAboutDlg::OnMouseMove(UINT, POINT point) {
    const UINT cursor = OnLink(point) ? IDC_CURSOR_HAND : IDC_CURSOR_ARROW;
    ::SetCursor(::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(cursor)));
    Default();
}

void CAboutDlg::OnLButtonDown(UINT, POINT point) {
    // The link acts as the button goes down; the box stays open.
    if (OnLink(point))
        ::ShellExecuteA(m_hWnd, "open", kContactLink, nullptr, nullptr, SW_SHOW);
    Default();
}
