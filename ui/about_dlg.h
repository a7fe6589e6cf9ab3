#pragma once

#include "dialog.h"

class CDC;

// The About box: the product's name, version, terms and a contact line that works as a mail link.
class CAboutDlg : public CDialog {
  public:
    CAboutDlg();
    ~CAboutDlg() override = default;

  protected:
    const MessageMap* GetMessageMap() const override;

    BOOL OnEraseBkgnd(CDC* dc);
    void OnPaint();
    void OnMouseMove(UINT flags, POINT point);
    void OnLButtonDown(UINT flags, POINT point);
};
