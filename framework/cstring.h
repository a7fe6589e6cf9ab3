#pragma once

#include <string>

// Every text of the program is a narrow string in the system's ANSI code page.
using CString = std::string;
