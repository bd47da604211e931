// CWnd's members on Qt: a window is its widget. Texts cross into Qt as UTF-8.
#include "cwnd.h"

#include "qt_dialog_window.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace {

QString ToQString(const CString& text) {
    return QString::fromStdString(text.GetUtf8());
}

// UTF-16 to UTF-8 straight into the string, which holds a box's short text without a heap
// allocation: data exchange reads every box on every change. An unpaired surrogate becomes
// U+FFFD, as Qt's own conversion makes it.
CString ToCString(const QString& text) {
    std::string utf8;
    utf8.reserve(std::size_t(text.size()));
    const auto* p = reinterpret_cast<const char16_t*>(text.constData());
    const char16_t* const end = p + text.size();
    while (p != end) {
        char32_t c = *p++;
        if (c >= 0xD800 && c < 0xDC00 && p != end && *p >= 0xDC00 && *p < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (*p++ - 0xDC00);
        } else if (c >= 0xD800 && c < 0xE000) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            utf8 += char(c);
        } else if (c < 0x800) {
            utf8 += char(0xC0 | (c >> 6));
            utf8 += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            utf8 += char(0xE0 | (c >> 12));
            utf8 += char(0x80 | ((c >> 6) & 0x3F));
            utf8 += char(0x80 | (c & 0x3F));
        } else {
            utf8 += char(0xF0 | (c >> 18));
            utf8 += char(0x80 | ((c >> 12) & 0x3F));
            utf8 += char(0x80 | ((c >> 6) & 0x3F));
            utf8 += char(0x80 | (c & 0x3F));
        }
    }
    return CString(std::move(utf8));
}

LRESULT SendToEditBox(QLineEdit& edit, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case EM_SETSEL: {
        const int length = int(edit.text().size());
        const int start = std::min(int(wParam), length);
        const int end = (lParam < 0 || lParam > length) ? length : int(lParam);
        // The caret goes to the end of the selection, as the window system puts it.
        edit.setSelection(start, end - start);
        break;
    }
    case EM_SCROLLCARET:
        // A line edit scrolls its caret into view whenever the caret moves.
        break;
    case WM_COPY:
        edit.copy();
        break;
    default:
        break;
    }
    return 0;
}

} // namespace

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (auto* window = dynamic_cast<CDialogWindow*>(m_hWnd)) {
        return window->Dialog().OnWindowMessage(message, wParam, lParam);
    }
    if (auto* edit = qobject_cast<QLineEdit*>(m_hWnd)) {
        return SendToEditBox(*edit, message, wParam, lParam);
    }
    return 0;
}

BOOL CWnd::IsIconic() const {
    return m_hWnd->isMinimized();
}

void CWnd::GetClientRect(CRect* lpRect) const {
    *lpRect = CRect{0, 0, m_hWnd->width(), m_hWnd->height()};
}

void CWnd::GetWindowText(CString& rString) const {
    QString text;
    if (const auto* edit = qobject_cast<const QLineEdit*>(m_hWnd)) {
        text = edit->text();
    } else if (const auto* box = qobject_cast<const QPlainTextEdit*>(m_hWnd)) {
        text = box->toPlainText();
    } else if (const auto* label = qobject_cast<const QLabel*>(m_hWnd)) {
        text = label->text();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(m_hWnd)) {
        text = button->text();
    } else {
        text = m_hWnd->windowTitle();
    }
    rString = ToCString(text);
}

void CWnd::SetWindowText(const CString& text) {
    const QString value = ToQString(text);
    if (auto* edit = qobject_cast<QLineEdit*>(m_hWnd)) {
        edit->setText(value);
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(m_hWnd)) {
        // One replacement of the whole text, not setPlainText's clear and insert, so that a
        // screen reader hears one change. Like a line edit's setText, it is not undoable.
        QTextDocument* document = box->document();
        document->setUndoRedoEnabled(false);
        QTextCursor cursor(document);
        cursor.select(QTextCursor::Document);
        cursor.insertText(value);
        document->setUndoRedoEnabled(true);
    } else if (auto* label = qobject_cast<QLabel*>(m_hWnd)) {
        label->setText(value);
    } else if (auto* button = qobject_cast<QAbstractButton*>(m_hWnd)) {
        button->setText(value);
    } else {
        m_hWnd->setWindowTitle(value);
    }
}

HWND AfxGetDlgItem(HWND hDlg, UINT nID) {
    const auto* window = dynamic_cast<const CDialogWindow*>(hDlg);
    return window ? window->Control(nID) : nullptr;
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
    const bool wasDisabled = !m_hWnd->isEnabled();
    m_hWnd->setEnabled(bEnable);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const {
    return m_hWnd->isEnabled();
}
