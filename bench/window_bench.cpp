// Times the real program under Wine against the bare dialog: from process start to the list
// filled, and one press (from the button's command to the rebuilt list), for logs of several
// sizes. Prints a Markdown table.
#include "contraction_log.h"
#include "resource.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {
double Now() {
    LARGE_INTEGER frequency, count;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&count);
    return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::string Folder() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path().string();
}

struct Started {
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
    double seconds = 0; // from the start to the list filled
};

Started Start(const std::string& commandLine, int rows) {
    Started s;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string line = commandLine;
    const double begin = Now();
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &s.process))
        return s;
    while (Now() - begin < 60) {
        HWND found = nullptr;
        while ((found = FindWindowExA(nullptr, found, "#32770", "ヌビロカ")) != nullptr) {
            DWORD owner = 0;
            GetWindowThreadProcessId(found, &owner);
            if (owner == s.process.dwProcessId && IsWindowVisible(found) &&
                SendMessageA(GetDlgItem(found, IDC_HISTORY_LIST), LVM_GETITEMCOUNT, 0, 0) == rows) {
                s.window = found;
                s.seconds = Now() - begin;
                return s;
            }
        }
        Sleep(1);
    }
    return s;
}

void Stop(Started& s) {
    PostMessageA(s.window, WM_COMMAND, IDCANCEL, 0);
    WaitForSingleObject(s.process.hProcess, 10000);
    CloseHandle(s.process.hThread);
    CloseHandle(s.process.hProcess);
}

void SeedLog(int records) {
    std::string bytes;
    for (int i = 0; i < records; ++i)
        bytes += std::to_string(1765400000 + 300 * i) + "\r\n";
    FILE* f = std::fopen(GetDataFilePath().c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

struct Timing {
    double startup, press;
};

// Median of three start-ups and of five presses (or refills, for the bare dialog).
Timing Measure(const std::string& commandLine, int rows, UINT message, WPARAM command) {
    std::vector<double> startups, presses;
    for (int run = 0; run < 3; ++run) {
        SeedLog(rows);
        Started s = Start(commandLine, rows);
        if (s.window == nullptr)
            return {-1, -1};
        startups.push_back(s.seconds);
        if (run == 0)
            for (int press = 0; press < 5; ++press) {
                const double begin = Now();
                SendMessageA(s.window, message, command, 0);
                presses.push_back(Now() - begin);
            }
        Stop(s);
    }
    return {Median(startups), Median(presses)};
}
} // namespace

int main() {
    const std::string program = "\"" + Folder() + "\\..\\app\\Tamvorick.exe\"";
    const std::string bare = "\"" + Folder() + "\\bare_dialog.exe\"";
    std::printf(
        "| records | start-up (ms) | bare start-up (ms) | ratio | press (ms) | bare refill (ms) "
        "| ratio |\n|---:|---:|---:|---:|---:|---:|---:|\n");
    for (const int rows : {0, 100, 1000, 10000}) {
        const Timing real = Measure(program, rows, WM_COMMAND, MAKEWPARAM(IDC_CONTRACTION, 0));
        const Timing limit = Measure(bare + " " + std::to_string(rows), rows, WM_APP, 0);
        std::printf("| %d | %.1f | %.1f | %.2f | %.2f | %.2f | %.2f |\n", rows, real.startup * 1e3,
                    limit.startup * 1e3, real.startup / limit.startup, real.press * 1e3,
                    limit.press * 1e3, limit.press > 0 ? real.press / limit.press : 0.0);
        std::fflush(stdout);
    }
    return 0;
}
