#include "program_process.h"

#include "processes.h"
#include "program_session.h"

#include <filesystem>

std::string CProgramProcess::Folder() {
    std::string folder =
        std::filesystem::weakly_canonical(std::filesystem::path(ExecutableFolder()) / ".." / "app")
            .string();
    for (char& c : folder)
        if (c == '/')
            c = '\\';
    return folder;
}

CProgramProcess::CProgramProcess() {
    std::string commandLine(1, '"');
    commandLine += Folder() + "\\Tamvorick.exe\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &m_process))
        m_process = {};
}

CProgramProcess::~CProgramProcess() {
    if (!Started())
        return;
    if (!WaitForExit(0))
        Kill();
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

HWND CProgramProcess::MainWindow(int milliseconds) {
    if (m_window != nullptr || !Started())
        return m_window;
    m_window = WaitForWindow(
        [&]() -> HWND {
            HWND found = nullptr;
            while ((found = FindWindowExA(nullptr, found, "#32770", "ヌビロカ")) != nullptr) {
                DWORD owner = 0;
                GetWindowThreadProcessId(found, &owner);
                if (owner == m_process.dwProcessId && IsWindowVisible(found))
                    return found;
            }
            return nullptr;
        },
        milliseconds);
    return m_window;
}

bool CProgramProcess::WaitForExit(int milliseconds) {
    return WaitForSingleObject(m_process.hProcess, milliseconds) == WAIT_OBJECT_0;
}

void CProgramProcess::Kill() {
    TerminateProcess(m_process.hProcess, 9);
    WaitForExit(10000);
}
