#pragma once

#include "wnd.h"

// A modal dialog from a template in the program's resources.
class CDialog : public CWnd {
  public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr)
        : m_templateId(templateId), m_parent(parent) {}

    // Creates the dialog owned by the parent, or else by the main window (or what it has open in
    // front), runs it until it ends and returns its result; -1 when it cannot be created.
    virtual INT_PTR DoModal();

    // Runs the data exchange into the controls; true lets the dialog manager set the focus.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    void EndDialog(int result) { ::EndDialog(m_hWnd, result); }

  protected:
    const MessageMap* GetMessageMap() const override;
    static const MessageMap* GetThisMessageMap();

    LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    void OnQueryHelpContext();
    void CenterIfUnmoved(const RECT& before);

    UINT m_templateId;
    CWnd* m_parent;
    // Set while DefDlgProc runs for a message of ours: its call back into the dialog procedure
    // for that same message must go unanswered, or it would come straight back here.
    bool m_inDefault = false;
};

// The message that asks a window for its help context: 0x20000 plus its template id for a
// dialog, 0 for any other window.
UINT HelpContextMessage();
