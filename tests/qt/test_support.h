// Shared by the user-interface tests. A dialog's window and controls are reached only through
// WindowOf and Control, so that the tests do not depend on how a dialog owns its window.
#pragma once

#include "cdialog.h"
#include "program_module.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <functional>

// The dialog's top-level window, once it has been made (Create, DoModal).
inline QWidget* WindowOf(CDialog& dialog) {
    return dialog.m_hWnd;
}

// The control named "IDC_..." (its objectName) in a window.
template <class W = QWidget> W* Control(QWidget* window, const char* name) {
    return window->findChild<W*>(QLatin1String(name));
}
template <class W = QWidget> W* Control(CDialog& dialog, const char* name) {
    return Control<W>(WindowOf(dialog), name);
}

// The text of an edit box, one line or several; empty for other controls.
inline QString TextOf(const QWidget* box) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(box)) {
        return edit->text();
    }
    const auto* text = qobject_cast<const QPlainTextEdit*>(box);
    return text ? text->toPlainText() : QString();
}

// Keys pressed one by one where the focus is then, in portable form: "5", "Ctrl+A, Del".
inline void Press(const QString& keys) {
    for (const QString& key : keys.split(", ", Qt::SkipEmptyParts)) {
        QWidget* target = QApplication::focusWidget();
        QVERIFY2(target, "no widget has the keyboard focus");
        QTest::keySequence(target, QKeySequence::fromString(key));
    }
}

// The seven boxes of the calculator window, in template order, and the About box's address.
inline const char* const kBoxes[] = {"IDC_LOSS_LENGTH", "IDC_LOSS_SWR",   "IDC_LOSS_RESULT",
                                     "IDC_SWR_LOSS",    "IDC_SWR_LENGTH", "IDC_SWR_RESULT",
                                     "IDC_MESSAGES"};
inline const QString kAddress = QStringLiteral("https://varnholt.example.org/");

inline QStringList Texts(CDialog& dialog) {
    QStringList texts;
    for (const char* name : kBoxes) {
        texts << TextOf(Control(dialog, name));
    }
    return texts;
}

// Runs `whileOpen` on the About box once it is the active modal window, then closes it if a
// failed check left it open.
inline void WhileAboutBoxOpen(QTimer& poll, const std::function<void(QWidget*)>& whileOpen) {
    QObject::connect(&poll, &QTimer::timeout, [&poll, whileOpen]() {
        QWidget* box = QApplication::activeModalWidget();
        if (!box || box->objectName() != "IDD_ABOUT" ||
            QGuiApplication::focusWindow() != box->windowHandle()) {
            return;
        }
        poll.stop();
        whileOpen(box);
        if (box->isVisible()) {
            qobject_cast<QDialog*>(box)->reject();
        }
    });
    poll.start(5);
}

// Text-changed accessibility events, by the object they are about.
inline QMap<QObject*, int> g_textEvents;

inline void CountTextEvents(QAccessibleEvent* event) {
    const QAccessible::Event type = event->type();
    if (type == QAccessible::TextUpdated || type == QAccessible::TextInserted ||
        type == QAccessible::TextRemoved) {
        ++g_textEvents[event->object()];
    }
}

// For cleanup(): fails the test that left a window open.
#define VERIFY_NO_WINDOW_OPEN()                                                                    \
    do {                                                                                           \
        QStringList open;                                                                          \
        for (QWidget * widget : QApplication::topLevelWidgets()) {                                 \
            if (widget->isVisible()) {                                                             \
                open << QString(widget->metaObject()->className()) + " " + widget->objectName();   \
            }                                                                                      \
        }                                                                                          \
        QVERIFY2(open.isEmpty(), qPrintable("left open: " + open.join(", ")));                     \
    } while (false)

// QTEST_MAIN, on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#define VARNHOLT_TEST_MAIN(TestObject)                                                             \
    int main(int argc, char* argv[]) {                                                             \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {                                      \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        }                                                                                          \
        QApplication app(argc, argv);                                                              \
        AfxRegisterModule(&ProgramModule());                                                       \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
