// The Qt window system: the backend's calls on handles, which are widgets. Texts cross into Qt
// as UTF-8 and come back from its UTF-16.
#include "qt_backend.h"

#include "cwinapp.h"
#include "module.h"
#include "utf8.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <map>

namespace {

// UTF-16 to UTF-8 straight into the string, which holds a box's short text without a heap
// allocation: data exchange reads every box on every change. An unpaired surrogate becomes
// U+FFFD, as Qt's own conversion makes it.
std::string ToUtf8(const QString& text) {
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
        AppendUtf8(utf8, c);
    }
    return utf8;
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

// Painting: a painter on the widget, inside its paint event.
class QtPaint : public AfxPaintSession {
public:
    explicit QtPaint(QWidget* widget) : m_painter(widget) {}
    HDC Device() const override { return const_cast<QPainter*>(&m_painter); }
    BOOL DrawIcon(int x, int y, HICON icon) override {
        const int size = AfxGetBackend().GetSystemMetrics(SM_CXICON);
        m_painter.drawPixmap(x, y, icon->pixmap(size, size));
        return TRUE;
    }

private:
    QPainter m_painter;
};

class QtBackend final : public AfxLaidOutBackend {
public:
    LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (AfxLaidOutWindow* dialog = AfxLaidOutWindow::Of(window)) {
            return dialog->Dialog().OnWindowMessage(message, wParam, lParam);
        }
        auto* edit = qobject_cast<QLineEdit*>(window);
        return edit ? SendToEditBox(*edit, message, wParam, lParam) : 0;
    }
    BOOL IsIconic(HWND window) override { return window->isMinimized(); }
    CRect GetClientRect(HWND window) override {
        return CRect{0, 0, window->width(), window->height()};
    }
    std::string GetWindowText(HWND window) override {
        if (const auto* edit = qobject_cast<const QLineEdit*>(window)) {
            return ToUtf8(edit->text());
        }
        if (const auto* box = qobject_cast<const QPlainTextEdit*>(window)) {
            return ToUtf8(box->toPlainText());
        }
        if (const auto* label = qobject_cast<const QLabel*>(window)) {
            return ToUtf8(label->text());
        }
        if (const auto* button = qobject_cast<const QAbstractButton*>(window)) {
            return ToUtf8(button->text());
        }
        return ToUtf8(window->windowTitle());
    }
    void SetWindowText(HWND window, const std::string& text) override {
        const QString value = QString::fromStdString(text);
        if (auto* edit = qobject_cast<QLineEdit*>(window)) {
            edit->setText(value);
        } else if (auto* box = qobject_cast<QPlainTextEdit*>(window)) {
            // One replacement of the whole text, not setPlainText's clear and insert, so that a
            // screen reader hears one change. Like a line edit's setText, it is not undoable.
            QTextDocument* document = box->document();
            document->setUndoRedoEnabled(false);
            QTextCursor cursor(document);
            cursor.select(QTextCursor::Document);
            cursor.insertText(value);
            document->setUndoRedoEnabled(true);
        } else if (auto* label = qobject_cast<QLabel*>(window)) {
            label->setText(value);
        } else if (auto* button = qobject_cast<QAbstractButton*>(window)) {
            button->setText(value);
        } else {
            window->setWindowTitle(value);
        }
    }
    BOOL EnableWindow(HWND window, BOOL enable) override {
        const bool wasDisabled = !window->isEnabled();
        window->setEnabled(enable);
        return wasDisabled;
    }
    BOOL IsWindowEnabled(HWND window) override { return window->isEnabled(); }
    HWND GetDlgItem(HWND dialog, UINT id) override {
        const AfxLaidOutWindow* window = AfxLaidOutWindow::Of(dialog);
        return window ? window->Control(id) : nullptr;
    }
    // An item's command ID is its action's data; the window that made the menu carries out the
    // chosen item.
    BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR id, const std::string& text) override {
        if (flags & MF_SEPARATOR) {
            menu->addSeparator();
            return TRUE;
        }
        menu->addAction(QString::fromStdString(text))->setData(static_cast<uint>(id));
        return TRUE;
    }
    std::unique_ptr<AfxPaintSession> BeginPaint(HWND window) override {
        return std::make_unique<QtPaint>(window);
    }
    HICON LoadIcon(UINT id) override;
    int Start(int argc, char* argv[], int (*run)()) override;
    int Run() override { return QApplication::exec(); }

protected:
    std::unique_ptr<AfxDialogWindow> MakeLaidOutWindow(AfxDialogSite& dialog,
                                                       const DialogTemplate& t) override {
        return std::make_unique<QtDialogWindow>(dialog, t);
    }
};

// Decoded icons by resource ID, in a map whose elements never move, so that an HICON stays
// valid. Pixmaps belong to the Qt application that made them, so the map empties when it ends.
std::map<UINT, QIcon> g_icons;

HICON QtBackend::LoadIcon(UINT id) {
    if (const auto found = g_icons.find(id); found != g_icons.end()) {
        return &found->second;
    }
    QIcon icon;
    if (const AfxImageResource* image = AfxGetModule().FindImage(id)) {
        for (const char* const* xpm : image->images) {
            icon.addPixmap(QPixmap(xpm));
        }
    }
    if (g_icons.empty()) {
        qAddPostRoutine([]() { g_icons.clear(); });
    }
    return &g_icons.emplace(id, icon).first->second;
}

int QtBackend::Start(int argc, char* argv[], int (*run)()) {
    // Qt acts on arguments such as -reverse, -style and -platform; the program reads no command
    // line, so Qt sees the program's name only.
    const AfxModule& module = AfxGetModule();
    static std::string fallback = module.appId;
    static char* programName[] = {argc > 0 ? argv[0] : fallback.data(), nullptr};
    static int programArgc = 1;
    QCoreApplication::setApplicationVersion(QString::fromUtf8(module.version));
    // Lets the desktop match the window to the installed entry and its icon (the Wayland
    // application id); the entry's name differs from the executable's.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(module.appId));
    QApplication application(programArgc, programName);
    if (AfxGetApp() && AfxGetApp()->m_pszAppName) {
        QApplication::setApplicationName(QString::fromUtf8(AfxGetApp()->m_pszAppName));
    }
    return run();
}

} // namespace

AfxBackend& AfxGetBackend() {
    static QtBackend backend;
    return backend;
}
