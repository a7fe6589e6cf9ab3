#include "shell_handlers.h"

#include "processes.h"
#include "temp_folder.h"

#include <windows.h>

#include <filesystem>
#include <sstream>

namespace {
std::string OpenedFile() {
    char folder[MAX_PATH] = "";
    GetTempPathA(sizeof folder, folder);
    return std::string(folder) + "shell-opened.txt";
}

void SetDefault(const std::string& key, const std::string& value) {
    HKEY handle;
    RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle,
                    nullptr);
    RegSetValueExA(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(handle);
}
} // namespace

void RegisterShellRecorder() {
    std::string command = "\"";
    command += ExecutableFolder() + "\\shell_recorder.exe\" \"%1\"";
    SetDefault("mailto", "URL:MailTo Protocol");
    HKEY mailto;
    RegOpenKeyExA(HKEY_CLASSES_ROOT, "mailto", 0, KEY_WRITE, &mailto);
    RegSetValueExA(mailto, "URL Protocol", 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
    RegCloseKey(mailto);
    SetDefault("mailto\\shell\\open\\command", command);
    SetDefault(".htm", "TamvorickTest.Page");
    SetDefault("TamvorickTest.Page\\shell\\open\\command", command);
}

void ForgetShellOpened() {
    DeleteFileA(OpenedFile().c_str());
}

std::vector<std::string> ShellOpened() {
    std::vector<std::string> lines;
    std::istringstream in(ReadBytes(OpenedFile()));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> WaitForShellOpened(std::size_t count, int milliseconds) {
    for (int waited = 0; waited < milliseconds && ShellOpened().size() < count; waited += 50)
        Sleep(50);
    return ShellOpened();
}
