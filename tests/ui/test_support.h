// Shared by the user-interface tests: a test main that runs headless unless a platform is set,
// and the check that a test left no window open.
#pragma once

#include "cdialog.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QWidget>

// Every visible top-level widget, by class and object name, for failure messages.
inline QStringList VisibleTopLevelWindows() {
    QStringList open;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible()) {
            open << QString::fromLatin1(widget->metaObject()->className()) + " " +
                        widget->objectName();
        }
    }
    return open;
}

// For a test class's cleanup(): fails the test that left a window open.
#define VERIFY_NO_WINDOW_OPEN()                                                                    \
    do {                                                                                           \
        const QStringList open = VisibleTopLevelWindows();                                         \
        QVERIFY2(open.isEmpty(), qPrintable("left open: " + open.join(", ")));                     \
    } while (false)

// QTEST_MAIN, on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#define VARNHOLT_TEST_MAIN(TestObject)                                                             \
    int main(int argc, char* argv[]) {                                                             \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {                                      \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        }                                                                                          \
        QApplication app(argc, argv);                                                              \
        TestObject test;                                                                           \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

// The top-level widget of a dialog: where tests find its controls by their object names.
inline QWidget* WindowOf(CDialog& dialog) {
    return &dialog;
}
