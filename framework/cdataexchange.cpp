#include "cdataexchange.h"

#include "cdialog.h"

#include <QLineEdit>
#include <QPlainTextEdit>

void DDX_Text(CDataExchange* pDX, UINT id, CString& value) {
    QWidget* control = pDX->m_pDlgWnd->GetDlgItem(id);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        if (pDX->m_bSaveAndValidate) {
            value = edit->text();
        } else if (edit->text() != value) {
            edit->setText(value);
        }
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(control)) {
        if (pDX->m_bSaveAndValidate) {
            value = box->toPlainText();
        } else if (box->toPlainText() != value) {
            box->setPlainText(value);
        }
    }
}
