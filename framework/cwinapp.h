// The application object: one per program, constructed at program start. AfxWinMain, called
// by the framework's process entry, starts the window system's side and calls InitInstance.
#pragma once

#include "ccmdtarget.h"
#include "win_defs.h"

class CWnd;

class CWinApp : public CCmdTarget {
public:
    // A null name leaves the application's name to the executable's file name.
    explicit CWinApp(const char* lpszAppName = nullptr);
    ~CWinApp() override;

    // Starts the application. FALSE ends it without entering the message loop.
    virtual BOOL InitInstance();
    // The switch to the three-dimensional look of dialog controls. A no-op: today's Windows and
    // Qt's styles always draw dialog controls that way.
    BOOL Enable3dControls() { return TRUE; }

    // The message loop, entered when InitInstance returns TRUE.
    virtual int Run();
    virtual int ExitInstance();

    // The help command, for an application's message map (ON_COMMAND(ID_HELP, ...)). No help
    // file comes with the program, so there is nothing to open and it does nothing.
    void OnHelp() {}

    const char* m_pszAppName;
    // The window that dialogs opened without a parent are owned by.
    CWnd* m_pMainWnd = nullptr;
};

// The application object, or nullptr before it is constructed and after it is destroyed.
CWinApp* AfxGetApp();

// The framework's entry: starts the window system's side (on Qt, the application, from the
// program's name alone: no argument reaches Qt), then AfxRunApp.
int AfxWinMain(int argc, char* argv[]);

// Runs the application object: InitInstance, then Run unless InitInstance returned FALSE, then
// ExitInstance. Returns the process exit code.
int AfxRunApp();
