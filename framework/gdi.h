#pragma once

#include "cstring.h"

#include <windows.h>

class CWnd;
class CFont;

// A device context that the object does not own.
class CDC {
  public:
    explicit CDC(HDC hDC = nullptr) : m_hDC(hDC) {}

    HDC GetSafeHdc() const { return m_hDC; }

    // Returns what was selected before, to select again when done.
    HGDIOBJ SelectObject(CFont* font);
    HGDIOBJ SelectObject(HGDIOBJ object) { return ::SelectObject(m_hDC, object); }

    COLORREF SetTextColor(COLORREF colour) { return ::SetTextColor(m_hDC, colour); }
    BOOL TextOut(int x, int y, const CString& text) {
        return ::TextOutA(m_hDC, x, y, text.data(), static_cast<int>(text.size()));
    }
    // Sets the background colour and fills the rectangle with it.
    void FillSolidRect(const RECT& rect, COLORREF colour) {
        ::SetBkColor(m_hDC, colour);
        ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    }
    BOOL DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }

    HDC m_hDC;
};

// Painting of a window between BeginPaint and EndPaint.
class CPaintDC : public CDC {
  public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    PAINTSTRUCT m_ps{};

  private:
    HWND m_hWnd;
};

// A font that the object owns until DeleteObject or its end.
class CFont {
  public:
    CFont() = default;
    ~CFont() { DeleteObject(); }
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    // A font of the given size in tenths of a point, measured against the context (the screen
    // when none is given): height -(LOGPIXELSY * size / 720) pixels, every other attribute default.
    BOOL CreatePointFont(int pointSizeTenths, const char* faceName, CDC* dc = nullptr);
    BOOL DeleteObject();

    HFONT m_hObject = nullptr;
};
