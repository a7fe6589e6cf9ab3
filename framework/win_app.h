#pragma once

#include "cstring.h"
#include "message_map.h"

#include <windows.h>

class CWnd;

// The application object: one per program, registered as it is constructed, named at start-up
// from the executable's path.
class CWinApp : public CCmdTarget {
  public:
    // No name: the name comes from the executable at start-up.
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitApplication() { return TRUE; }
    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }

    // The help command: the Windows help engine for the help file, at the context of the window
    // in front; "Failed to launch help." when it cannot be started.
    void OnHelp();

    HINSTANCE m_hInstance = nullptr;
    char* m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    const char* m_pszExeName = nullptr;
    const char* m_pszAppName = nullptr;
    const char* m_pszHelpFilePath = nullptr;
    const char* m_pszProfileName = nullptr;
    // The main window while it exists; message boxes and dialogs are owned by it.
    CWnd* m_pMainWnd = nullptr;

  private:
    friend BOOL AfxWinInit(HINSTANCE, HINSTANCE, char*, int);
    void SetNamesFrom(const CString& modulePath);

    CString m_exeName, m_appName, m_helpFilePath, m_profileName;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetResourceHandle();

// What new message boxes and dialogs are owned by: the main window, or the window it has open in
// front of it; null while there is no main window.
HWND MainWindowInFront();

// Stores the start-up parameters in the application object and names it.
BOOL AfxWinInit(HINSTANCE instance, HINSTANCE previous, char* commandLine, int showCommand);

// The framework's entry: initialise, then the application's own start-up, which in a program of
// modal windows runs its whole life; then its exit.
int AfxWinMain(HINSTANCE instance, HINSTANCE previous, char* commandLine, int showCommand);

// Nothing in this program's dialogs hosts ActiveX controls, so there is nothing to turn on.
inline void AfxEnableControlContainer() {}

// A message box owned by the main window (or what it has open in front), captioned with the
// application's name; a box of OK, OK-Cancel, Yes-No or Yes-No-Cancel with no icon of its own
// gets the exclamation icon.
int AfxMessageBox(const char* text, UINT type = MB_OK, UINT helpId = 0);
