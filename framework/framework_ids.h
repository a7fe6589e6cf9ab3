#pragma once

// The framework's own ids, shared by every program built on it.
#define ID_HELP 0xE146           // the help command that F1 becomes
#define AFX_IDS_APP_TITLE 0xE000 // a string resource that, if present, names the application
