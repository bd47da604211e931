// One short pass through the whole window, small enough to run under valgrind: the calculator
// opens, both groups are typed into, the About button runs the About box modally, a timer
// copies the address there and closes it, and Esc closes the calculator.
//
// With VARNHOLT_LEAK_ON_PURPOSE set, the test also leaks one text of the framework's, so that
// the memory check can show that it reports a definite leak and fails on it. (A leaked widget
// would not do: Qt keeps every widget reachable to the end.)
#include "calculator_dialog.h"
#include "ui_test_support.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

class CalculatorSmokeTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VERIFY_NO_WINDOW_OPEN(); }

    void typeIntoBothGroupsAndRunTheAboutBox() {
        CCalculatorDialog dialog;
        QVERIFY(dialog.Create());
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto edit = [&](const char* name) { return dialog.findChild<QLineEdit*>(name); };
        QLineEdit* lossLength = edit("IDC_LOSS_LENGTH");
        QLineEdit* lossSwr = edit("IDC_LOSS_SWR");
        QLineEdit* swrLoss = edit("IDC_SWR_LOSS");
        QLineEdit* swrLength = edit("IDC_SWR_LENGTH");
        auto* about = dialog.findChild<QPushButton*>("IDC_ABOUT");
        QVERIFY(lossLength && lossSwr && swrLoss && swrLength && about);

        QTest::keyClicks(lossLength, "25");
        QTest::keyClicks(lossSwr, "12");
        QCOMPARE(edit("IDC_LOSS_RESULT")->text(), QStringLiteral("2.902027"));
        QTest::keyClicks(swrLoss, "5");
        QTest::keyClicks(swrLength, "20");
        QCOMPARE(edit("IDC_SWR_RESULT")->text(), QStringLiteral("8.724232"));

        // The About box runs its own modal loop: a timer waits for it, presses Copy and then
        // closes it with Esc, as tst_qmessagebox closes its boxes.
        QApplication::clipboard()->clear();
        bool closed = false;
        QTimer closer;
        closer.setInterval(10);
        connect(&closer, &QTimer::timeout, this, [&]() {
            QWidget* box = QApplication::activeModalWidget();
            if (!box || box->objectName() != QLatin1String("IDD_ABOUT") || !box->isVisible()) {
                return;
            }
            closer.stop();
            if (auto* copy = box->findChild<QPushButton*>("IDC_COPY")) {
                QTest::keyClick(copy, Qt::Key_Space);
            }
            QTest::keyClick(box, Qt::Key_Escape);
            closed = true;
        });
        closer.start();
        about->setFocus(Qt::TabFocusReason);
        QTest::keyClick(about, Qt::Key_Space);
        QVERIFY2(closed, "the About box did not open");
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("https://varnholt.example.org/"));
        QCOMPARE(lossLength->text(), QStringLiteral("25"));

        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());

        if (qEnvironmentVariableIsSet("VARNHOLT_LEAK_ON_PURPOSE")) {
            LeakOnPurpose();
        }
    }

private:
    // Never inline, so that the leak's stack names this function.
    Q_NEVER_INLINE static void LeakOnPurpose() { new CString("leaked on purpose"); }
};

VARNHOLT_TEST_MAIN(CalculatorSmokeTest)
#include "tst_calculator_smoke.moc"
