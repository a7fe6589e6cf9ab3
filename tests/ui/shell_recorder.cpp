// Stands in for the mail program and the browser in the test prefix: the shell starts it with
// what it was asked to open, and it writes that, one line a call, to %TEMP%\shell-opened.txt.
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    char folder[MAX_PATH] = "";
    GetTempPathA(sizeof folder, folder);
    FILE* out = std::fopen((std::string(folder) + "shell-opened.txt").c_str(), "ab");
    if (out == nullptr)
        return 1;
    std::fprintf(out, "%s\n", argc > 1 ? argv[1] : "");
    std::fclose(out);
    return 0;
}
