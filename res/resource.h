// Resource ids of the program: dialogs, menu, icon, cursors, controls and commands.
#pragma once

#define IDM_ABOUTBOX 0x0010 // system-menu item; Windows keeps the lowest four bits

#define IDD_ABOUTBOX 100
#define IDD_MAIN_DIALOG 102
#define IDC_CURSOR_ARROW 104
#define IDR_MAINFRAME 128
#define IDR_MAIN_MENU 129
#define IDC_CURSOR_HAND 131

#define IDC_HISTORY_LIST 1002
#define IDC_CONTRACTION 1004
#define IDC_CLEAR 1005

#define ID_HELP_VERSION 32777
#define ID_HELP_USAGE 32779
#define ID_FILE_EXIT 32780
