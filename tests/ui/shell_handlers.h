#pragma once

#include <string>
#include <vector>

// Registers the shell recorder in the test's own Wine prefix for "mailto:" links and for .htm
// pages, and reads back what the shell handed it.
void RegisterShellRecorder();
void ForgetShellOpened();
std::vector<std::string> ShellOpened();
// Waits until the recorder has been started `count` times, or the time is up.
std::vector<std::string> WaitForShellOpened(std::size_t count, int milliseconds = 10000);
