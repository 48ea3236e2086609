#pragma once
#include <string>

#include "framework/CCmdTarget.h"
#include "platform/TextPort.h"

// The one application object: a global of the program, constructed before the framework's
// entry runs. The entry names it when it has no name, runs InitInstance once and ends the
// process when it returns; there is no message loop of the application's own.
class CWinApp : public CCmdTarget {
public:
    // Without a name the application takes string IDS_APP_TITLE of its resources at start.
    explicit CWinApp(const wchar_t* appName = nullptr);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // All of the program's work. The process ends when it returns, whatever it returns.
    virtual BOOL InitInstance();

    // The caption of the framework's message boxes.
    const wchar_t* GetAppName() const;
    // Takes the name from the string table when none was given; a missing string leaves it empty.
    void LoadAppName(TextPort& texts);

    // The default handler of the help command: this application has no help to show.
    void OnHelp() {}

private:
    std::u16string m_appName;
    bool m_named;
};

// The application object, or null when the program has none.
CWinApp* AfxGetApp();

// The framework's start-up, behind the program's wWinMain.
int AfxWinMain();
