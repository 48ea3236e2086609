#pragma once
#include "framework/CWinApp.h"

// The program's application object. All of its work happens in InitInstance, which returns
// FALSE on every path so the program ends as soon as it returns.
class CTuneboxApp : public CWinApp {
public:
    CTuneboxApp();
    ~CTuneboxApp() override;

    BOOL InitInstance() override;

private:
    static void RunSettingsWindow();

    DECLARE_MESSAGE_MAP()
};
