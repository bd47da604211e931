// Data exchange between a dialog's controls and its fields, run by CDialog::UpdateData.
#pragma once

#include "cstring.h"
#include "vocabulary.h"

class CDialog;

class CDataExchange {
public:
    CDataExchange(CDialog* dialog, BOOL saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

    CDialog* m_pDlgWnd;
    BOOL m_bSaveAndValidate; // TRUE: controls to fields; FALSE: fields to controls
};

// Moves the text of control nIDC (an edit box of one line or several) to or from `value`.
// Writing a text the control already shows leaves the control untouched, so its caret,
// selection, scroll position and undo history stay as they are, and nothing is announced.
void DDX_Text(CDataExchange* pDX, UINT nIDC, CString& value);
