#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Runs the program's own start-up (the application object's InitInstance) on this thread, as
// the executable does, while `script` drives the main window from a second thread. Returns when
// the main window has closed; a script that leaves it open fails the test and has it closed.
void RunProgram(const std::function<void(HWND mainWindow)>& script);

// The thread that runs the program's windows during RunProgram.
DWORD ProgramThread();

// Polls `find` until it yields a window or `milliseconds` pass.
HWND WaitForWindow(const std::function<HWND()>& find, int milliseconds = 5000);
// Polls until the window is gone; false when it stays.
bool WaitUntilGone(HWND window, int milliseconds = 5000);
// Waits until the program's thread has handled everything sent or posted to it so far.
void Settle(HWND window);

// A dialog window (a message box or the About box) that `owner` has open in front of it.
HWND FindOwnedDialog(HWND owner);

std::string WindowText(HWND window);
HWND FocusOfProgram();

// Makes the window the active one, as a click on it would; a click it gets if need be.
void Activate(HWND window);

// Real mouse input: the pointer to a point of the window's client area; a left click where it is.
void MovePointer(HWND window, POINT client);
void PressLeftButton();

// Real keyboard input, to the window in the foreground.
void PressKey(WORD virtualKey);
