#include "processes.h"

#include <filesystem>

#ifdef _WIN32
#include <windows.h>

std::string ExecutableFolder() {
    char path[4096];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    return std::filesystem::path(std::string(path, length)).parent_path().string();
}

namespace {
std::string CommandLine(const std::vector<std::string>& arguments) {
    std::string line;
    for (const auto& argument : arguments)
        line += (line.empty() ? "\"" : " \"") + argument + "\"";
    return line;
}
} // namespace

bool RunTogether(const std::vector<std::vector<std::string>>& commands) {
    std::vector<HANDLE> running;
    bool started = true;
    for (const auto& command : commands) {
        std::string line = CommandLine(command);
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process)) {
            started = false;
            continue;
        }
        CloseHandle(process.hThread);
        running.push_back(process.hProcess);
    }
    bool allSucceeded = started;
    for (const HANDLE process : running) {
        WaitForSingleObject(process, INFINITE);
        DWORD status = 1;
        allSucceeded = GetExitCodeProcess(process, &status) && status == 0 && allSucceeded;
        CloseHandle(process);
    }
    return allSucceeded;
}
#else
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

std::string ExecutableFolder() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
}

bool RunTogether(const std::vector<std::vector<std::string>>& commands) {
    std::vector<pid_t> running;
    bool started = true;
    for (const auto& command : commands) {
        std::vector<char*> argv;
        for (const auto& argument : command)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
            started = false;
            continue;
        }
        running.push_back(pid);
    }
    bool allSucceeded = started;
    for (const pid_t pid : running) {
        int status = 0;
        waitpid(pid, &status, 0);
        allSucceeded = WIFEXITED(status) && WEXITSTATUS(status) == 0 && allSucceeded;
    }
    return allSucceeded;
}
#endif
