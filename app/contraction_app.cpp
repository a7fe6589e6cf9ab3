#include "contraction_app.h"

#include "contraction_dlg.h"
#include "contraction_log.h"
#include "framework_ids.h"

#include <commctrl.h>

CContractionApp theApp;

// No name of its own: the application is called after its executable.
CContractionApp::CContractionApp() : CWinApp(nullptr) {}

const MessageMap* CContractionApp::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        CommandEntry(ID_HELP, &CWinApp::OnHelp),
    };
    static const MessageMap map = MakeMessageMap(CWinApp::GetMessageMap(), entries);
    return &map;
}

BOOL CContractionApp::InitInstance() {
    InitCommonControls(); // the list view's window class, before the window is made
    CWinApp::InitInstance();
    AfxEnableControlContainer();

    CContractionDlg dlg;
    // Registered before the window exists, so the main window itself gets no owner.
    m_pMainWnd = &dlg;
    dlg.DoModal();
    // The window is gone: the program ends without a message loop of its own.
    return FALSE;
}

std::string CContractionApp::GetDataFilePath() {
    return ::GetDataFilePath();
}
