// The About box: its keys, the copy of the web address, the ways of opening it from the
// calculator window, and the window menus of both dialogs. Headless (offscreen platform).
//
// Input that the calculator must not take while the About box is open goes through the
// window system's entry (QTest::keyClick/mouseClick on a QWindow), where modal blocking is
// done; the QWidget overloads hand events straight to the widget and would bypass it.
#include "about_dialog.h"
#include "calculator_dialog.h"
#include "cwinapp.h"
#include "resource.h"
#include "ui_test_support.h"

#include <QAction>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <memory>

namespace {

const QString kAddress = QStringLiteral("https://varnholt.example.org/");
const char* const kCalculatorBoxes[] = {"IDC_LOSS_LENGTH", "IDC_LOSS_SWR",   "IDC_LOSS_RESULT",
                                        "IDC_SWR_LOSS",    "IDC_SWR_LENGTH", "IDC_SWR_RESULT",
                                        "IDC_MESSAGES"};

template <typename T> T* Child(QWidget* dialog, const char* name) {
    return dialog->findChild<T*>(QLatin1String(name));
}

// A widget's centre in the coordinates of its window, for input sent to the window.
QPoint CentreInWindow(const QWidget* widget) {
    return widget->mapTo(widget->window(), widget->rect().center());
}

// What a user sees in the calculator's seven boxes.
QStringList CalculatorTexts(QWidget* calculator) {
    QStringList texts;
    for (const char* name : kCalculatorBoxes) {
        if (auto* edit = Child<QLineEdit>(calculator, name)) {
            texts << edit->text();
        } else if (auto* box = Child<QPlainTextEdit>(calculator, name)) {
            texts << box->toPlainText();
        } else {
            texts << QStringLiteral("<no %1>").arg(QLatin1String(name));
        }
    }
    return texts;
}

// Types into a box of the calculator through its window, as a keyboard does.
void TypeInto(QWidget* calculator, const char* name, const char* text) {
    Child<QLineEdit>(calculator, name)->setFocus();
    for (const char* c = text; *c; ++c) {
        QTest::keyClick(calculator->windowHandle(), *c);
    }
}

// Inputs in both groups: a result in the first, a message from the second.
void TypeSampleInputs(QWidget* calculator) {
    TypeInto(calculator, "IDC_LOSS_LENGTH", "25");
    TypeInto(calculator, "IDC_LOSS_SWR", "12");
    TypeInto(calculator, "IDC_SWR_LOSS", "5");
    TypeInto(calculator, "IDC_SWR_LENGTH", "-3");
}

QAction* MenuAction(CDialog& dialog, const QString& text) {
    for (QAction* action : dialog.GetSystemMenu(FALSE)->menu()->actions()) {
        if (action->text() == text) {
            return action;
        }
    }
    return nullptr;
}

// A modal run blocks the call that started it, so whatever is looked at while the About box
// is open is looked at from inside its event loop: the probe waits for the next About box to
// be the active modal window, runs `whileOpen` once and logs the box's end and destruction.
// A box not found within 5 s, or still open 5 s after `whileOpen`, is ended, so that a
// failing test cannot hang in its modal run.
class AboutBoxProbe {
public:
    AboutBoxProbe(QStringList& log, std::function<void(CDialog&)> whileOpen)
        : m_log(log), m_whileOpen(std::move(whileOpen)) {
        QObject::connect(&m_poll, &QTimer::timeout, [this]() { Poll(); });
        m_poll.start(5);
        m_since.start();
    }

    bool seen() const { return m_seen; }
    int result() const { return m_result; }

private:
    void Poll() {
        if (m_seen && (!m_box || !m_box->isVisible())) {
            m_poll.stop();
            return;
        }
        if (m_since.elapsed() > 5000) {
            m_log << (m_seen ? "box left open" : "no box became the active modal window");
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* box = dynamic_cast<CDialog*>(widget);
                    box && box->isVisible() && box->objectName() == QLatin1String("IDD_ABOUT")) {
                    box->EndDialog(IDCANCEL);
                }
            }
            m_poll.stop();
            return;
        }
        auto* box = dynamic_cast<CDialog*>(QApplication::activeModalWidget());
        if (m_seen || !box || box->objectName() != QLatin1String("IDD_ABOUT") ||
            QGuiApplication::focusWindow() != box->windowHandle()) {
            return;
        }
        m_seen = true;
        m_box = box;
        m_log << "box open";
        QObject::connect(box, &QDialog::finished, [this](int result) {
            m_result = result;
            m_log << "box finished";
        });
        QObject::connect(box, &QObject::destroyed, [this]() { m_log << "box destroyed"; });
        m_since.restart();
        m_whileOpen(*box);
    }

    QStringList& m_log;
    std::function<void(CDialog&)> m_whileOpen;
    QTimer m_poll;
    QElapsedTimer m_since; // since the probe started, then since the box opened
    QPointer<CDialog> m_box;
    bool m_seen = false;
    int m_result = -1;
};

// The ways a user opens the About box from the calculator window.
enum class Opening { ButtonClick, ButtonEnter, MenuItem, SysCommand, SysCommandLowBits };

// The way a user closes or works the About box.
enum class Action { Enter, EnterInAddress, EnterOnCopy, KeypadEnter, Escape, CloseBox, MenuClose };

} // namespace

Q_DECLARE_METATYPE(Opening)
Q_DECLARE_METATYPE(Action)

class TestAboutBox : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        QApplication::clipboard()->clear();
        VERIFY_NO_WINDOW_OPEN();
    }

    void keysOfTheBox_data();
    void keysOfTheBox();
    void copyGivesWholeAddress_data();
    void copyGivesWholeAddress();
    void openingFromCalculator_data();
    void openingFromCalculator();
    void ownerIsMainWindowBeforeActiveWindow();
    void windowMenuItems_data();
    void windowMenuItems();
    void windowMenuOpens_data();
    void windowMenuOpens();
    void minimizeFromWindowMenu();
    void closeFromWindowMenu_data();
    void closeFromWindowMenu();
};

void TestAboutBox::keysOfTheBox_data() {
    QTest::addColumn<Action>("action");
    QTest::addColumn<int>("result");     // DoModal's return
    QTest::addColumn<bool>("staysOpen"); // after the action; then Esc ends it
    QTest::addColumn<bool>("copies");

    QTest::newRow("Enter on OK -> IDOK") << Action::Enter << int(IDOK) << false << false;
    QTest::newRow("keypad Enter on OK -> IDOK")
        << Action::KeypadEnter << int(IDOK) << false << false;
    QTest::newRow("Enter in the address box -> IDOK")
        << Action::EnterInAddress << int(IDOK) << false << false;
    QTest::newRow("Enter on Copy -> copies, stays open")
        << Action::EnterOnCopy << int(IDCANCEL) << true << true;
    QTest::newRow("Esc -> IDCANCEL") << Action::Escape << int(IDCANCEL) << false << false;
    QTest::newRow("close box -> IDCANCEL") << Action::CloseBox << int(IDCANCEL) << false << false;
    QTest::newRow("Close in its window menu -> IDCANCEL")
        << Action::MenuClose << int(IDCANCEL) << false << false;
}

void TestAboutBox::keysOfTheBox() {
    QFETCH(Action, action);
    QFETCH(int, result);
    QFETCH(bool, staysOpen);
    QFETCH(bool, copies);

    QApplication::clipboard()->setText(QStringLiteral("before"));
    QStringList log;
    QString initialFocus;
    bool openAfterAction = false;
    AboutBoxProbe probe(log, [&](CDialog& box) {
        initialFocus = QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                                   : QStringLiteral("<none>");
        QWindow* window = box.windowHandle();
        switch (action) {
        case Action::Enter:
            QTest::keyClick(window, Qt::Key_Return);
            break;
        case Action::KeypadEnter:
            QTest::keyClick(window, Qt::Key_Enter, Qt::KeypadModifier);
            break;
        case Action::EnterInAddress:
            QTest::keyClick(window, Qt::Key_Tab);
            QTest::keyClick(window, Qt::Key_Return);
            break;
        case Action::EnterOnCopy:
            QTest::keyClick(window, Qt::Key_Tab);
            QTest::keyClick(window, Qt::Key_Tab);
            QTest::keyClick(window, Qt::Key_Return);
            break;
        case Action::Escape:
            QTest::keyClick(window, Qt::Key_Escape);
            break;
        case Action::CloseBox:
            box.close();
            break;
        case Action::MenuClose:
            MenuAction(box, QStringLiteral("&Close"))->trigger();
            QTRY_VERIFY(!box.isVisible());
            break;
        }
        openAfterAction = box.isVisible();
        if (openAfterAction) {
            QTest::keyClick(window, Qt::Key_Escape);
        }
    });

    CAboutDialog box;
    const INT_PTR returned = box.DoModal();
    log << "DoModal returned";

    QVERIFY(probe.seen());
    QCOMPARE(initialFocus, QStringLiteral("IDOK"));
    QCOMPARE(openAfterAction, staysOpen);
    QCOMPARE(int(returned), result);
    QCOMPARE(log, QStringList({"box open", "box finished", "DoModal returned"}));
    QCOMPARE(QApplication::clipboard()->text(), copies ? kAddress : QStringLiteral("before"));
}

void TestAboutBox::copyGivesWholeAddress_data() {
    QTest::addColumn<int>("addressWidth"); // pixels; 0 keeps the template's width
    QTest::addColumn<int>("selectFirst");  // characters selected from position 8 before Copy

    QTest::newRow("template width") << 0 << 0;
    QTest::newRow("address box narrowed to 40 px") << 40 << 0;
    QTest::newRow("part of the address selected before Copy") << 0 << 7;
    QTest::newRow("narrowed to 40 px, part selected") << 40 << 7;
}

void TestAboutBox::copyGivesWholeAddress() {
    QFETCH(int, addressWidth);
    QFETCH(int, selectFirst);

    CAboutDialog box;
    QVERIFY(box.Create());
    QVERIFY(QTest::qWaitForWindowActive(&box));
    // An unfocused line edit drops its selection once its window has become active; let that
    // happen now, before the copy, as it does before a user can click.
    QCoreApplication::sendPostedEvents();
    auto* address = Child<QLineEdit>(&box, "IDC_WEB_ADDRESS");
    auto* copy = Child<QPushButton>(&box, "IDC_COPY");
    QVERIFY(address && copy);
    QCOMPARE(address->text(), kAddress);
    if (addressWidth > 0) {
        address->setFixedWidth(addressWidth);
        QVERIFY2(address->fontMetrics().horizontalAdvance(kAddress) > address->width(),
                 "the address still fits");
    }
    if (selectFirst > 0) {
        address->setSelection(8, selectFirst);
    }
    QApplication::clipboard()->setText(QStringLiteral("before"));

    QTest::mouseClick(box.windowHandle(), Qt::LeftButton, {}, CentreInWindow(copy));

    QCOMPARE(QApplication::clipboard()->text(), kAddress);
    QCOMPARE(address->selectedText(), kAddress);
    QCOMPARE(address->text(), kAddress);
    QVERIFY(box.isVisible());
    box.EndDialog(IDOK);
}

void TestAboutBox::openingFromCalculator_data() {
    QTest::addColumn<Opening>("opening");
    QTest::addColumn<bool>("callWaitsForBox"); // the opening call returns after the box ended

    QTest::newRow("About button, mouse click") << Opening::ButtonClick << true;
    QTest::newRow("About button, Enter while it has the focus") << Opening::ButtonEnter << true;
    QTest::newRow("window menu item \"&About Varnholt...\"") << Opening::MenuItem << false;
    QTest::newRow("SendSysCommand(IDM_ABOUT)") << Opening::SysCommand << true;
    QTest::newRow("SendSysCommand(IDM_ABOUT | 0x3)") << Opening::SysCommandLowBits << true;
}

void TestAboutBox::openingFromCalculator() {
    QFETCH(Opening, opening);
    QFETCH(bool, callWaitsForBox);

    CCalculatorDialog calculator;
    QVERIFY(calculator.Create());
    QVERIFY(QTest::qWaitForWindowActive(&calculator));
    QWindow* calculatorWindow = calculator.windowHandle();
    TypeSampleInputs(&calculator);
    const QStringList texts = CalculatorTexts(&calculator);
    QCOMPARE(texts.first(), QStringLiteral("25"));
    QCOMPARE(texts.at(2), QStringLiteral("2.902027"));
    QVERIFY(!texts.last().isEmpty());

    QStringList log;
    QWidget* owner = nullptr;
    bool dialogType = false;
    QPoint offCentre(-1000, -1000);
    QStringList textsWhileOpen;
    bool calculatorStillShown = false;
    AboutBoxProbe probe(log, [&](CDialog& box) {
        owner = box.parentWidget() ? box.parentWidget()->window() : nullptr;
        dialogType = box.windowType() == Qt::Dialog;
        offCentre = box.frameGeometry().center() - calculator.frameGeometry().center();
        // Keys and a click on Exit for the calculator: all of them must be dropped.
        Child<QLineEdit>(&calculator, "IDC_LOSS_LENGTH")->setFocus();
        QTest::keyClick(calculatorWindow, '9');
        QTest::keyClick(calculatorWindow, Qt::Key_Escape);
        QTest::mouseClick(calculatorWindow, Qt::LeftButton, {},
                          CentreInWindow(Child<QPushButton>(&calculator, "IDCANCEL")));
        textsWhileOpen = CalculatorTexts(&calculator);
        calculatorStillShown = calculator.isVisible();
        QTest::keyClick(box.windowHandle(), Qt::Key_Escape);
    });

    auto* about = Child<QPushButton>(&calculator, "IDC_ABOUT");
    switch (opening) {
    case Opening::ButtonClick:
        QTest::mouseClick(calculatorWindow, Qt::LeftButton, {}, CentreInWindow(about));
        break;
    case Opening::ButtonEnter:
        about->setFocus();
        QTest::keyClick(calculatorWindow, Qt::Key_Return);
        break;
    case Opening::MenuItem: {
        QAction* item = MenuAction(calculator, QStringLiteral("&About Varnholt..."));
        QVERIFY(item);
        item->trigger();
        break;
    }
    case Opening::SysCommand:
        calculator.SendSysCommand(IDM_ABOUT);
        break;
    case Opening::SysCommandLowBits:
        calculator.SendSysCommand(IDM_ABOUT | 0x3);
        break;
    }
    log << "opening call returned";
    QTRY_VERIFY(log.contains("box destroyed"));

    const QStringList ofBox = {"box open", "box finished", "box destroyed"};
    QCOMPARE(log, callWaitsForBox ? ofBox + QStringList{"opening call returned"}
                                  : QStringList{"opening call returned"} + ofBox);
    QCOMPARE(probe.result(), int(IDCANCEL));
    QCOMPARE(owner, &calculator);
    QVERIFY(dialogType);
    QVERIFY(calculatorStillShown);
    QCOMPARE(textsWhileOpen, texts);
    QCOMPARE(CalculatorTexts(&calculator), texts);

    // The calculator takes keys again, by the same road that was blocked.
    TypeInto(&calculator, "IDC_LOSS_LENGTH", "0");
    QCOMPARE(Child<QLineEdit>(&calculator, "IDC_LOSS_LENGTH")->text(), QStringLiteral("250"));

    // Frame over frame, as a user sees the two windows.
    QVERIFY2(
        qAbs(offCentre.x()) <= 1 && qAbs(offCentre.y()) <= 1,
        qPrintable(QStringLiteral("off centre by %1, %2").arg(offCentre.x()).arg(offCentre.y())));
}

void TestAboutBox::ownerIsMainWindowBeforeActiveWindow() {
    // As the program runs it: the calculator is the application's main window. Another window
    // being active must not make the About box its own.
    CCalculatorDialog calculator;
    QVERIFY(calculator.Create());
    CWinApp app;
    app.m_pMainWnd = &calculator;
    QWidget other;
    other.setObjectName("other");
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));

    QStringList log;
    QWidget* owner = nullptr;
    bool blocksCalculator = false;
    AboutBoxProbe probe(log, [&](CDialog& box) {
        owner = box.parentWidget() ? box.parentWidget()->window() : nullptr;
        blocksCalculator = QApplication::activeModalWidget() == &box;
        box.EndDialog(IDOK);
    });
    // Queued through QTimer, as the calculator is not the active window it is called from.
    QTimer::singleShot(0, &calculator, [&]() { calculator.SendSysCommand(IDM_ABOUT); });
    QTRY_VERIFY(log.contains("box destroyed"));
    QCOMPARE(owner, &calculator);
    QVERIFY(blocksCalculator);
    QCOMPARE(probe.result(), int(IDOK));
}

void TestAboutBox::windowMenuItems_data() {
    QTest::addColumn<bool>("calculator");
    QTest::addColumn<int>("openings");    // the dialog opened this often, then looked at
    QTest::addColumn<QList<uint>>("ids"); // 0 for a separator
    QTest::addColumn<QStringList>("texts");

    const QList<uint> calculatorIds = {SC_MINIMIZE, SC_CLOSE, 0, IDM_ABOUT};
    const QStringList calculatorTexts = {"Mi&nimize", "&Close", "", "&About Varnholt..."};
    QTest::newRow("calculator: minimize, close, separator, About")
        << true << 1 << calculatorIds << calculatorTexts;
    QTest::newRow("calculator opened a second time: the same four items")
        << true << 2 << calculatorIds << calculatorTexts;
    QTest::newRow("About box: close only")
        << false << 1 << QList<uint>{SC_CLOSE} << QStringList{"&Close"};
}

void TestAboutBox::windowMenuItems() {
    QFETCH(bool, calculator);
    QFETCH(int, openings);
    QFETCH(QList<uint>, ids);
    QFETCH(QStringList, texts);

    std::unique_ptr<CDialog> dialog;
    if (calculator) {
        dialog = std::make_unique<CCalculatorDialog>();
    } else {
        dialog = std::make_unique<CAboutDialog>();
    }
    for (int i = 1; i < openings; ++i) {
        QVERIFY(dialog->Create());
        dialog->EndDialog(IDCANCEL);
    }
    QVERIFY(dialog->Create());
    CMenu* menu = dialog->GetSystemMenu(FALSE);
    QVERIFY(menu);
    QCOMPARE(dialog->GetSystemMenu(FALSE), menu);

    QList<uint> gotIds;
    QStringList gotTexts;
    for (int i = 0; i < menu->GetMenuItemCount(); ++i) {
        gotIds << menu->GetMenuItemID(i);
        gotTexts << menu->GetMenuString(i);
    }
    QCOMPARE(gotIds, ids);
    QCOMPARE(gotTexts, texts);
    for (int i = 0; i < ids.size(); ++i) {
        QCOMPARE(menu->menu()->actions().at(i)->isSeparator(), ids.at(i) == 0);
    }
    dialog->EndDialog(IDCANCEL);
}

void TestAboutBox::windowMenuOpens_data() {
    QTest::addColumn<bool>("calculator");
    QTest::addColumn<QString>("where"); // a control's name, "background" or "Alt+Space"
    QTest::addColumn<bool>("opens");

    QTest::newRow("calculator: right-click inside a group box's empty area")
        << true << "background" << true;
    QTest::newRow("calculator: right-click on the Exit button") << true << "IDCANCEL" << false;
    QTest::newRow("calculator: right-click on the picture") << true << "picture" << false;
    QTest::newRow("calculator: Alt+Space") << true << "Alt+Space" << true;
    QTest::newRow("About box: right-click on the background") << false << "background" << true;
    QTest::newRow("About box: right-click on OK") << false << "IDOK" << false;
    QTest::newRow("About box: Alt+Space") << false << "Alt+Space" << true;
}

void TestAboutBox::windowMenuOpens() {
    QFETCH(bool, calculator);
    QFETCH(QString, where);
    QFETCH(bool, opens);

    std::unique_ptr<CDialog> dialog;
    if (calculator) {
        dialog = std::make_unique<CCalculatorDialog>();
    } else {
        dialog = std::make_unique<CAboutDialog>();
    }
    QVERIFY(dialog->Create());
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    QMenu* menu = dialog->GetSystemMenu(FALSE)->menu();
    QSignalSpy shown(menu, &QMenu::aboutToShow);

    if (where == "Alt+Space") {
        QTest::keyClick(dialog->windowHandle(), Qt::Key_Space, Qt::AltModifier);
    } else {
        QPoint at;
        if (where == "background") {
            // Calculator: inside the first group box, below its boxes. About box: left of
            // the terms of use.
            at = calculator
                     ? dialog->findChildren<QGroupBox*>().first()->geometry().bottomLeft() +
                           QPoint(dialog->DialogUnitsToPixelsX(4), -dialog->DialogUnitsToPixelsY(3))
                     : QPoint(dialog->DialogUnitsToPixelsX(10), dialog->DialogUnitsToPixelsY(150));
            QVERIFY2(!dialog->childAt(at), "the point lies on a control");
        } else if (where == "picture") {
            at = QPoint(dialog->DialogUnitsToPixelsX(190), dialog->DialogUnitsToPixelsY(160));
            QVERIFY(dialog->childAt(at));
        } else {
            at = CentreInWindow(Child<QWidget>(dialog.get(), qPrintable(where)));
        }
        QTest::mouseClick(dialog->windowHandle(), Qt::RightButton, {}, at);
    }

    QCOMPARE(shown.count(), opens ? 1 : 0);
    QCOMPARE(QApplication::activePopupWidget(), opens ? menu : nullptr);
    if (opens) {
        QTest::keyClick(menu, Qt::Key_Escape);
        QTRY_VERIFY(!menu->isVisible());
    }
    // Opening the menu must carry out none of its commands.
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->isMinimized());
    QVERIFY(!QApplication::activeModalWidget());
    dialog->EndDialog(IDCANCEL);
}

void TestAboutBox::minimizeFromWindowMenu() {
    CCalculatorDialog calculator;
    QVERIFY(calculator.Create());
    QVERIFY(QTest::qWaitForWindowExposed(&calculator));
    TypeSampleInputs(&calculator);
    const QStringList texts = CalculatorTexts(&calculator);

    MenuAction(calculator, QStringLiteral("Mi&nimize"))->trigger();
    QTRY_VERIFY(calculator.isMinimized());
    QVERIFY(calculator.windowState() & Qt::WindowMinimized);
    QVERIFY(calculator.isVisible());
    QCOMPARE(CalculatorTexts(&calculator), texts);
    calculator.EndDialog(IDCANCEL);
}

void TestAboutBox::closeFromWindowMenu_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Close item of the window menu") << "menu";
    QTest::newRow("close box") << "close box";
    QTest::newRow("SendSysCommand(SC_CLOSE | 0x3)") << "low bits";
}

void TestAboutBox::closeFromWindowMenu() {
    QFETCH(QString, how);

    // As the program runs it: the calculator modal and the application's main window, the
    // About box opened and closed first.
    CCalculatorDialog calculator;
    CWinApp app;
    app.m_pMainWnd = &calculator;
    QStringList log;
    AboutBoxProbe probe(log,
                        [&](CDialog& box) { QTest::keyClick(box.windowHandle(), Qt::Key_Return); });
    QTimer::singleShot(0, &calculator, [&]() {
        log << "calculator open";
        MenuAction(calculator, QStringLiteral("&About Varnholt..."))->trigger();
    });
    QTimer stopper; // ends the run with a result of its own if nothing else does
    stopper.setInterval(10);
    QObject::connect(&stopper, &QTimer::timeout, [&]() {
        if (!log.contains("box destroyed") || log.contains("closing")) {
            return;
        }
        log << "closing";
        if (how == "menu") {
            MenuAction(calculator, QStringLiteral("&Close"))->trigger();
        } else if (how == "close box") {
            calculator.close();
        } else {
            calculator.SendSysCommand(SC_CLOSE | 0x3);
        }
        QTimer::singleShot(5000, &calculator, [&]() { calculator.EndDialog(42); });
    });
    stopper.start();

    const INT_PTR result = calculator.DoModal();
    log << "calculator DoModal returned";

    QCOMPARE(int(result), int(IDCANCEL));
    QCOMPARE(probe.result(), int(IDOK));
    QCOMPARE(log, QStringList({"calculator open", "box open", "box finished", "box destroyed",
                               "closing", "calculator DoModal returned"}));
    QVERIFY(!calculator.isVisible());
}

VARNHOLT_TEST_MAIN(TestAboutBox)
#include "test_about_box.moc"
