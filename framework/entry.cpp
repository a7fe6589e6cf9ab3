#include "win_app.h"

// The program's entry: all of it is the framework's.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand) {
    return AfxWinMain(instance, previous, commandLine, showCommand);
}
