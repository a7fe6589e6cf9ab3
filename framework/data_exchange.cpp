#include "data_exchange.h"

#include "wnd.h"

void DDX_Control(CDataExchange* exchange, int id, CWnd& control) {
    if (control.m_hWnd == nullptr)
        control.m_hWnd = ::GetDlgItem(exchange->m_pDlgWnd->m_hWnd, id);
}
