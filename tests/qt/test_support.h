// Shared by the user-interface tests. A dialog's window and controls are reached only through
// WindowOf and Control, so that the tests do not depend on how a dialog owns its window.
#pragma once

#include "cdialog.h"
#include "program_module.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

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
