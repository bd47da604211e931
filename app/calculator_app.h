// The application: one global object that runs the calculator window once, modally.
#pragma once

#include "cwinapp.h"

class CCalculatorApp : public CWinApp {
public:
    CCalculatorApp();

    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};
