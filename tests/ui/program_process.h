#pragma once

#include <windows.h>

#include <string>

// The built Tamvorick.exe, started as a process of its own.
class CProgramProcess {
  public:
    CProgramProcess();
    ~CProgramProcess();
    CProgramProcess(const CProgramProcess&) = delete;
    CProgramProcess& operator=(const CProgramProcess&) = delete;

    static std::string Folder(); // where the build put it, with its doc\index.htm
    bool Started() const { return m_process.hProcess != nullptr; }
    // Its main window, once it is up; null if it never comes.
    HWND MainWindow(int milliseconds = 15000);
    bool WaitForExit(int milliseconds);
    void Kill();

  private:
    PROCESS_INFORMATION m_process{};
    HWND m_window = nullptr;
};
