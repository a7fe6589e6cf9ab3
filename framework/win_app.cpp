#include "win_app.h"

#include "dialog.h"
#include "framework_ids.h"
#include "wnd.h"

#include <mbctype.h>
#include <mbstring.h>

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp(const char* appName) {
    g_app = this;
    // Path handling steps over double-byte characters of the system's code page.
    _setmbcp(_MB_CP_ANSI);
    if (appName != nullptr) {
        m_appName = appName;
        m_pszAppName = m_appName.c_str();
    }
}

CWinApp::~CWinApp() {
    if (g_app == this)
        g_app = nullptr;
}

CWinApp* AfxGetApp() {
    return g_app;
}

HINSTANCE AfxGetResourceHandle() {
    return g_app != nullptr && g_app->m_hInstance != nullptr ? g_app->m_hInstance
                                                             : ::GetModuleHandleA(nullptr);
}

HWND MainWindowInFront() {
    if (g_app == nullptr || g_app->m_pMainWnd == nullptr || g_app->m_pMainWnd->m_hWnd == nullptr)
        return nullptr;
    return ::GetLastActivePopup(g_app->m_pMainWnd->m_hWnd);
}

void CWinApp::SetNamesFrom(const CString& modulePath) {
    // The last backslash that is a character of its own, not the second byte of a double-byte one.
    const auto* path = reinterpret_cast<const unsigned char*>(modulePath.c_str());
    const unsigned char* slash = _mbsrchr(path, '\\');
    const std::size_t nameStart = slash != nullptr ? slash - path + 1 : 0;
    const CString fileName = modulePath.substr(nameStart);
    const std::size_t dot = fileName.rfind('.'); // '.' is never a second byte in code page 932
    const std::size_t extensionStart = dot != CString::npos ? nameStart + dot : modulePath.size();

    m_exeName = fileName.substr(0, dot);
    m_helpFilePath = modulePath.substr(0, extensionStart) + ".HLP";
    m_profileName = m_exeName + ".INI";
    if (m_pszAppName == nullptr) {
        char title[256];
        m_appName = ::LoadStringA(m_hInstance, AFX_IDS_APP_TITLE, title, sizeof title) > 0
                        ? CString(title)
                        : m_exeName;
        m_pszAppName = m_appName.c_str();
    }
    m_pszExeName = m_exeName.c_str();
    m_pszHelpFilePath = m_helpFilePath.c_str();
    m_pszProfileName = m_profileName.c_str();
}

BOOL AfxWinInit(HINSTANCE instance, HINSTANCE, char* commandLine, int showCommand) {
    if (g_app == nullptr)
        return FALSE;
    g_app->m_hInstance = instance;
    g_app->m_lpCmdLine = commandLine;
    g_app->m_nCmdShow = showCommand;
    char modulePath[MAX_PATH] = "";
    ::GetModuleFileNameA(instance, modulePath, MAX_PATH);
    g_app->SetNamesFrom(modulePath);
    return TRUE;
}

int AfxWinMain(HINSTANCE instance, HINSTANCE previous, char* commandLine, int showCommand) {
    if (!AfxWinInit(instance, previous, commandLine, showCommand))
        return -1;
    CWinApp* app = AfxGetApp();
    app->InitApplication();
    app->InitInstance();
    // The main window is modal and gone by now; one still registered would be destroyed here.
    if (app->m_pMainWnd != nullptr && app->m_pMainWnd->m_hWnd != nullptr)
        ::DestroyWindow(app->m_pMainWnd->m_hWnd);
    return app->ExitInstance();
}

void CWinApp::OnHelp() {
    const HWND focus = ::GetFocus();
    DWORD context = 0;
    for (HWND wnd = focus; wnd != nullptr && context == 0; wnd = ::GetParent(wnd))
        context = static_cast<DWORD>(::SendMessageA(wnd, HelpContextMessage(), 0, 0));
    HWND owner = focus != nullptr ? ::GetAncestor(focus, GA_ROOT) : nullptr;
    if (owner == nullptr && m_pMainWnd != nullptr)
        owner = m_pMainWnd->m_hWnd;

    const HCURSOR previous = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    const BOOL launched = ::WinHelpA(owner, m_pszHelpFilePath, HELP_CONTEXT, context);
    ::SetCursor(previous);
    if (!launched)
        AfxMessageBox("Failed to launch help.", MB_OK | MB_ICONEXCLAMATION);
}

int AfxMessageBox(const char* text, UINT type, UINT) {
    const HWND owner = MainWindowInFront();
    if ((type & MB_ICONMASK) == 0) {
        switch (type & MB_TYPEMASK) {
        case MB_OK:
        case MB_OKCANCEL:
        case MB_YESNO:
        case MB_YESNOCANCEL:
            type |= MB_ICONEXCLAMATION;
            break;
        }
    }
    return ::MessageBoxA(owner, text, g_app != nullptr ? g_app->m_pszAppName : nullptr, type);
}
