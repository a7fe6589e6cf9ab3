#pragma once

#include <string>
#include <vector>

// The folder of the running test program, where its helper programs are built.
std::string ExecutableFolder();

// Starts every command line at once and waits for all; true when each exited with status 0.
bool RunTogether(const std::vector<std::vector<std::string>>& commands);
