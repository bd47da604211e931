// One short pass through the whole window, small enough to run under valgrind.
#include "calculator_dialog.h"
#include "test_support.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

// For VARNHOLT_LEAK_ON_PURPOSE, to show that the memory check reports a leak: a text, as Qt keeps
// every widget reachable. Never inlined, so that the leak's stack names it.
Q_NEVER_INLINE static void LeakOnPurpose() {
    new CString("leaked on purpose");
}

class CalculatorSmokeTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VERIFY_NO_WINDOW_OPEN(); }

    // Types into both groups, copies the address in the About box, closes it and the window.
    void typeIntoBothGroupsAndRunTheAboutBox() {
        CCalculatorDialog dialog;
        QVERIFY(dialog.Create());
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto box = [&](const char* name) { return dialog.findChild<QLineEdit*>(name); };
        QTest::keyClicks(box("IDC_LOSS_LENGTH"), "25");
        QTest::keyClicks(box("IDC_LOSS_SWR"), "12");
        QTest::keyClicks(box("IDC_SWR_LOSS"), "5");
        QTest::keyClicks(box("IDC_SWR_LENGTH"), "20");
        QCOMPARE(box("IDC_LOSS_RESULT")->text(), "2.902027");
        QCOMPARE(box("IDC_SWR_RESULT")->text(), "8.724232");

        // The About box runs its own modal loop: a timer waits for it, presses Copy and Esc.
        QApplication::clipboard()->clear();
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&]() {
            QWidget* about = QApplication::activeModalWidget();
            if (about && about->objectName() == QLatin1String("IDD_ABOUT") && about->isVisible()) {
                closer.stop();
                QTest::keyClick(about->findChild<QPushButton*>("IDC_COPY"), Qt::Key_Space);
                QTest::keyClick(about, Qt::Key_Escape);
            }
        });
        closer.start(10);
        QTest::keyClick(dialog.findChild<QPushButton*>("IDC_ABOUT"), Qt::Key_Space);
        QCOMPARE(QApplication::clipboard()->text(), "https://varnholt.example.org/");

        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        if (qEnvironmentVariableIsSet("VARNHOLT_LEAK_ON_PURPOSE")) {
            LeakOnPurpose();
        }
    }
};

VARNHOLT_TEST_MAIN(CalculatorSmokeTest)
#include "tst_calculator_smoke.moc"
