#include "gdi.h"

#include "wnd.h"

#include <cstring>

HGDIOBJ CDC::SelectObject(CFont* font) {
    return ::SelectObject(m_hDC, font->m_hObject);
}

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd->m_hWnd) {
    m_hDC = ::BeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC() {
    ::EndPaint(m_hWnd, &m_ps);
}

BOOL CFont::CreatePointFont(int pointSizeTenths, const char* faceName, CDC* dc) {
    DeleteObject();
    const HDC screen = dc == nullptr ? ::GetDC(nullptr) : nullptr;
    const int pixelsPerInch = ::GetDeviceCaps(dc != nullptr ? dc->m_hDC : screen, LOGPIXELSY);
    if (screen != nullptr)
        ::ReleaseDC(nullptr, screen);

    LOGFONTA font{};
    font.lfHeight = -(pixelsPerInch * pointSizeTenths / 720);
    font.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(font.lfFaceName, faceName, LF_FACESIZE - 1);
    m_hObject = ::CreateFontIndirectA(&font);
    return m_hObject != nullptr;
}

BOOL CFont::DeleteObject() {
    if (m_hObject == nullptr)
        return FALSE;
    const BOOL deleted = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return deleted;
}
