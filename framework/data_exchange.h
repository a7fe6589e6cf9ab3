#pragma once

#include <windows.h>

class CWnd;

// One run of a dialog's data exchange.
class CDataExchange {
  public:
    CDataExchange(CWnd* dlgWnd, BOOL saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dlgWnd) {}

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

// Binds the control object to the dialog's control with the id, once; later runs leave it be.
void DDX_Control(CDataExchange* exchange, int id, CWnd& control);
