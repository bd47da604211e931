#include "counting_dialogs.h"

BEGIN_MESSAGE_MAP(HelpCountingApp, CWinApp)
    ON_COMMAND(ID_HELP, OnHelpCounted)
END_MESSAGE_MAP()
