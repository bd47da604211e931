// What Qt adds to the dialogs' behaviour (the headless test checks that): widgets made from the
// layout, what a screen reader finds and hears through Qt's accessibility (AT-SPI's source), Qt's
// own keys, the About box as a modal QDialog with Qt's clipboard, and texts crossing UTF-16.
#include "about_dialog.h"
#include "counting_dialogs.h"
#include "laid_out_window.h"
#include "made_up_dialog.h"
#include "program_module.h"
#include "resource.h"
#include "test_support.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <memory>

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

namespace {

using Action = std::function<void(QWidget*)>;

} // namespace

Q_DECLARE_METATYPE(Action)

class TestWindow : public QObject {
    Q_OBJECT

    HelpCountingApp m_app;
    std::unique_ptr<CountingCalculatorDialog> m_dlg;

    QStringList shown() {
        const QStringList texts = Texts(*m_dlg);
        return {texts[2], texts[5], texts[6]};
    }
    void focus(const char* name, Qt::FocusReason why = Qt::OtherFocusReason) {
        Control(*m_dlg, name)->setFocus(why);
    }

private slots:
    // Accessibility on, as a platform's screen-reader bridge switches it on, for every test.
    void initTestCase() {
        QAccessible::installUpdateHandler(CountTextEvents);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    }

    void init() {
        m_dlg = std::make_unique<CountingCalculatorDialog>();
        m_app.m_pMainWnd = m_dlg.get(); // the owner of the About boxes, as in the program
        QVERIFY(m_dlg->Create());
        WindowOf(*m_dlg)->activateWindow(); // where no window manager does it
        QVERIFY(QTest::qWaitForWindowActive(WindowOf(*m_dlg)));
    }

    void cleanup() {
        m_app.m_pMainWnd = nullptr;
        m_dlg.reset();
        QApplication::clipboard()->clear();
        VERIFY_NO_WINDOW_OPEN();
    }

    // A mnemonic beyond A-Z, in a made-up dialog: Qt's own (the label's buddy) reaches its box.
    void mnemonicBeyondAtoZ() {
        {
            MadeUpModule module(MadeUpKeyItems());
            CDialog dialog(500);
            QVERIFY(dialog.Create());
            QApplication::setActiveWindow(dialog.m_hWnd);
            Control(dialog, "IDC_NAME")->setFocus();
            Press(QString::fromUtf8("Alt+\u00c4"));
            QCOMPARE(QApplication::focusWidget(), Control(dialog, "IDC_FRUIT"));
            dialog.EndDialog(IDCANCEL);
        }
        AfxRegisterModule(&ProgramModule());
    }

    // One exchange each way per change of the focused box's text and none from Qt's notifications
    // of the write-back; a screen reader hears each box whose text changed once, and no other.
    void typing() {
        const char* steps[][2] = {
            {"IDC_LOSS_LENGTH", "5"}, {"IDC_LOSS_SWR", "1"}, {nullptr, "."}, {nullptr, "5"}};
        for (const auto& [box, keys] : steps) {
            if (box) {
                focus(box);
            }
            const QString before = TextOf(QApplication::focusWidget());
            const QStringList texts = Texts(*m_dlg);
            const int exchanges = m_dlg->exchanges;
            g_textEvents.clear();
            Press(keys);
            const int changes = TextOf(QApplication::focusWidget()) != before ? 2 : 0;
            QCOMPARE(m_dlg->exchanges - exchanges, changes);
            QMap<QObject*, int> changed;
            for (std::size_t i = 0; i < std::size(kBoxes); ++i) {
                if (Texts(*m_dlg)[int(i)] != texts[int(i)]) {
                    changed[Control(*m_dlg, kBoxes[i])] = 1;
                }
            }
            QCOMPARE(g_textEvents, changed);
        }
        QCOMPARE(shown().join(" | "), QString("139.794001 |  | "));
    }

    void keys_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("keys");  // "close": the window's close box
        QTest::addColumn<QString>("after"); // the focus then, or "closed"
        const auto row = [](const char* from, const char* keys, const char* after) {
            QTest::addRow("%s in %s -> %s", keys, from, after) << from << keys << after;
        };
        row("IDC_LOSS_SWR", "Return", "IDC_LOSS_SWR");
        row("IDC_MESSAGES", "Num+Enter", "IDC_MESSAGES");
        row("IDCANCEL", "Return", "closed");
        row("IDC_LOSS_LENGTH", "Esc", "closed");
        row("IDC_SWR_LOSS", "close", "closed");
        row("IDC_LOSS_SWR", "F1", "IDC_LOSS_SWR"); // the help command, for the application
        row("IDC_SWR_LENGTH", "Alt+C", "IDC_LOSS_LENGTH");
        row("IDC_LOSS_RESULT", "Alt+L", "IDC_SWR_LENGTH");
        const char* const order[] = {"IDC_LOSS_LENGTH", "IDC_LOSS_SWR",   "IDC_LOSS_RESULT",
                                     "IDC_SWR_LOSS",    "IDC_SWR_LENGTH", "IDC_SWR_RESULT",
                                     "IDCANCEL",        "IDC_MESSAGES",   "IDC_ABOUT"};
        for (std::size_t i = 0; i < std::size(order); ++i) {
            row(order[i], "Tab", order[(i + 1) % std::size(order)]);
            row(order[(i + 1) % std::size(order)], "Shift+Tab", order[i]);
        }
    }

    // Where the focus goes, or whether the window closes; no text changes and no data is
    // exchanged.
    // F1 alone reaches the application object, once.
    void keys() {
        QFETCH(QString, from);
        QFETCH(QString, keys);
        QFETCH(QString, after);
        Press("5");
        focus("IDC_SWR_LOSS");
        Press("5");
        const QStringList before = Texts(*m_dlg);
        const int exchanges = m_dlg->exchanges;
        const int helps = m_app.helps;
        focus(qPrintable(from), Qt::TabFocusReason);
        if (keys == "close") {
            WindowOf(*m_dlg)->close();
        } else {
            Press(keys);
        }
        QCOMPARE(Texts(*m_dlg), before);
        QCOMPARE(m_dlg->exchanges, exchanges);
        QCOMPARE(m_app.helps - helps, keys == "F1" ? 1 : 0);
        auto* window = qobject_cast<QDialog*>(WindowOf(*m_dlg));
        QCOMPARE(window->isVisible(), after != "closed");
        if (after == "closed") {
            QCOMPARE(window->result(), int(IDCANCEL));
        } else {
            QCOMPARE(QApplication::focusWidget()->objectName(), after);
        }
    }

    void aboutBox_data() {
        QTest::addColumn<Action>("open");   // from the calculator
        QTest::addColumn<Action>("action"); // in the About box, focus on OK
        QTest::addColumn<bool>("copies");   // the whole address, and the box stays open
        const Action button = [](QWidget* calculator) {
            QTest::mouseClick(Control(calculator, "IDC_ABOUT"), Qt::LeftButton);
        };
        const Action menuItem = [this](QWidget*) {
            for (QAction* item : m_dlg->GetSystemMenu(FALSE)->m_hMenu->actions()) {
                if (item->text() == "&About Varnholt...") {
                    item->trigger();
                }
            }
        };
        QTest::newRow("About button, Enter in the address box")
            << button << Action([](QWidget*) { Press("Tab, Return"); }) << false;
        QTest::newRow("menu item, Copy, box narrow, part selected, copies all")
            << menuItem << Action([](QWidget* box) {
                   auto* address = Control<QLineEdit>(box, "IDC_WEB_ADDRESS");
                   address->setFixedWidth(40);
                   address->setSelection(8, 7);
                   QTest::mouseClick(Control(box, "IDC_COPY"), Qt::LeftButton);
               })
            << true;
    }

    // A modal QDialog over the calculator, which keeps its texts and takes no input; its keys,
    // and its copy of the whole address onto Qt's clipboard.
    void aboutBox() {
        QFETCH(Action, open);
        QFETCH(Action, action);
        QFETCH(bool, copies);
        Press("2, 5, Tab, 1, 2");
        const QStringList texts = Texts(*m_dlg);
        QApplication::clipboard()->setText("before");
        QWidget* calculator = WindowOf(*m_dlg);
        bool ran = false;
        QTimer poll;
        WhileAboutBoxOpen(poll, [&](QWidget* box) {
            ran = true;
            QCOMPARE(QApplication::focusWidget(), Control(box, "IDOK"));
            QCoreApplication::sendPostedEvents();
            QTest::keyClick(calculator->windowHandle(), '9');
            QTest::keyClick(calculator->windowHandle(), Qt::Key_Escape);
            QCOMPARE(Texts(*m_dlg), texts);
            QVERIFY(calculator->isVisible());
            action(box);
            QCOMPARE(box->isVisible(), copies);
        });
        open(calculator);
        QTRY_VERIFY(ran && !QApplication::activeModalWidget());
        QCOMPARE(QApplication::clipboard()->text(), copies ? kAddress : QString("before"));
    }

    // Texts reach the calculation as typed, whatever their characters, across Qt's UTF-16: a
    // no-break space is no blank, so it ends the number before the 5 (and the length reads as
    // 0); a micro sign and a character beyond 16 bits do the same after the number.
    void textsAsTyped() {
        const auto type = [this](const char* box, const char* utf8) {
            // One key event with the whole text, as an input method sends what it composed.
            QTest::sendKeyEvent(QTest::Click, Control(*m_dlg, box), Qt::Key_unknown,
                                QString::fromUtf8(utf8), Qt::NoModifier);
        };
        type("IDC_LOSS_LENGTH", "\u00a05");
        type("IDC_LOSS_SWR", "2");
        QCOMPARE(shown()[0], QString("Infinity"));
        type("IDC_SWR_LOSS", "5\u00b5");
        type("IDC_SWR_LENGTH", "20\U0001d7d9");
        QCOMPARE(shown()[1], QString("8.724232"));
        QCOMPARE(TextOf(Control(*m_dlg, "IDC_SWR_LENGTH")), QString::fromUtf8("20\U0001d7d9"));

        // A box keeps 32,767 UTF-16 units, whole characters only: 20,000 pasted pairs leave
        // 16,383, and a pair typed after one more unit is not half taken.
        const QString pair = QString::fromUtf8("\U0001F4E1");
        QApplication::clipboard()->setText(pair.repeated(20000));
        focus("IDC_LOSS_LENGTH");
        Press("Ctrl+A, Ctrl+V");
        QCOMPARE(TextOf(Control(*m_dlg, "IDC_LOSS_LENGTH")), pair.repeated(16383));
        Press("7");
        type("IDC_LOSS_LENGTH", "\U0001F4E1");
        QCOMPARE(TextOf(Control(*m_dlg, "IDC_LOSS_LENGTH")), pair.repeated(16383) + "7");
    }
};

VARNHOLT_TEST_MAIN(TestWindow)
#include "tst_window.moc"
