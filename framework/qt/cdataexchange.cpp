#include "cdataexchange.h"

#include "cdialog.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

void DDX_Text(CDataExchange* pDX, UINT id, CString& value) {
    QWidget* control = pDX->m_pDlgWnd->GetControl(id);
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
            // One replacement of the whole text, not setPlainText's clear and insert, so that
            // a screen reader hears one change. Like a line edit's setText, it is not undoable.
            QTextDocument* document = box->document();
            document->setUndoRedoEnabled(false);
            QTextCursor cursor(document);
            cursor.select(QTextCursor::Document);
            cursor.insertText(value);
            document->setUndoRedoEnabled(true);
        }
    }
}
