// The application object: one per program, constructed at program start. AfxWinMain, called
// by the backend's process entry, starts the window system's side and runs the application.
#pragma once

#include "ccmdtarget.h"
#include "vocabulary.h"

class CWnd;

class CWinApp : public CCmdTarget {
public:
    // A null name leaves the application's name to the executable's file name.
    explicit CWinApp(const char* lpszAppName = nullptr);
    ~CWinApp() override;

    // Starts the application. FALSE ends it without entering the message loop.
    virtual BOOL InitInstance();
    // The switch to the three-dimensional look of dialog controls.
    BOOL Enable3dControls();

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

// The framework's entry, called by the backend's process entry: starts the window system's side
// (without the command line, which the program does not read), then AfxRunApp.
int AfxWinMain(int argc, char* argv[]);

// Runs the application object: InitInstance, then Run unless InitInstance returned FALSE, then
// ExitInstance. Returns the process exit code.
int AfxRunApp();

// Makes `module` (module.h: the program's name, version, id and resources) the program's, for the
// rest of the process. The program calls it before its first dialog opens, typically from its
// application object's constructor.
struct AfxModule;
void AfxRegisterModule(const AfxModule* module);
