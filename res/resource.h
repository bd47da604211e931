// Resource and control IDs. Plain #defines, so that a Windows resource compiler reads them too.
#pragma once

// Dialog templates.
#define IDD_ABOUT 100
#define IDD_CALCULATOR 102

// String table.
#define IDS_ABOUT_MENU 101

// Icon and picture.
#define IDI_MAIN 128
#define IDB_PICTURE 129

// Controls of the calculator window.
#define IDC_LOSS_LENGTH 1000
#define IDC_LOSS_SWR 1001
#define IDC_LOSS_RESULT 1002
#define IDC_SWR_LOSS 1003
#define IDC_SWR_LENGTH 1004
#define IDC_SWR_RESULT 1005
#define IDC_MESSAGES 1006
#define IDC_ABOUT 1007

// Controls of the About box.
#define IDC_WEB_ADDRESS 1008
#define IDC_COPY 1010

// Window-menu command: the low four bits are zero, below the system's own (0xF000 and up).
#define IDM_ABOUT 0x0010
