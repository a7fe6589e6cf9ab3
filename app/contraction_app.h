#pragma once

#include "win_app.h"

#include <string>

// The application: its start-up runs the main window once, and the program ends with it.
class CContractionApp : public CWinApp {
  public:
    CContractionApp();
    ~CContractionApp() override = default;

    BOOL InitInstance() override;

    // Where the contraction log lives.
    std::string GetDataFilePath();

  protected:
    const MessageMap* GetMessageMap() const override;
};

extern CContractionApp theApp;
