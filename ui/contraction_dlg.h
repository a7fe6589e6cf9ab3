#pragma once

#include "dialog.h"
#include "list_ctrl.h"

// The main window: the contraction button, the clear button and the history list.
class CContractionDlg : public CDialog {
  public:
    explicit CContractionDlg(CWnd* parent = nullptr);
    ~CContractionDlg() override = default;

    // Empties the list and fills it again from the log, the newest press selected and in view.
    void RefreshHistory();

  protected:
    const MessageMap* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnAppAbout();
    void OnContraction();
    void OnFileExit();
    void OnClear();
    void OnHelpUsage();

    HICON m_hIcon;
    CListCtrl m_list;
};
