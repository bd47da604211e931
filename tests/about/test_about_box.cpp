// The About box: its keys, the copy of the web address, the ways of opening it from the
// calculator, and the window menus of both dialogs. Input the calculator must not take goes
// through QTest's QWindow overloads, the road where Qt blocks input to modally blocked windows.
#include "about_dialog.h"
#include "calculator_dialog.h"
#include "cwinapp.h"
#include "resource.h"
#include "test_support.h"

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <memory>

namespace {

const QString kAddress = QStringLiteral("https://varnholt.example.org/");
using BoxAction = std::function<void(CDialog&)>;

template <typename T> T* Child(QWidget* dialog, const char* name) {
    return dialog->findChild<T*>(QLatin1String(name));
}

QPoint CentreInWindow(const QWidget* widget) {
    return widget->mapTo(widget->window(), widget->rect().center());
}

QStringList CalculatorTexts(QWidget* calculator) {
    QStringList texts;
    for (auto* edit : calculator->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
        texts << edit->text();
    }
    return texts << Child<QPlainTextEdit>(calculator, "IDC_MESSAGES")->toPlainText();
}

void TypeInto(QWidget* calculator, const char* name, const char* text) {
    Child<QLineEdit>(calculator, name)->setFocus();
    for (const char* c = text; *c; ++c) {
        QTest::keyClick(calculator->windowHandle(), *c);
    }
}

QAction* MenuAction(CDialog& dialog, const QString& text) {
    const QList<QAction*> items = dialog.GetSystemMenu(FALSE)->menu()->actions();
    const auto found = std::find_if(items.begin(), items.end(),
                                    [&](QAction* item) { return item->text() == text; });
    return found == items.end() ? nullptr : *found;
}

// Runs `whileOpen` inside the About box's modal run once it is the active modal window with the
// focus (a modeless box is never found), then ends the box if a failed check left it open.
void WhileAboutBoxOpen(QTimer& poll, BoxAction whileOpen) {
    QObject::connect(&poll, &QTimer::timeout, [&poll, whileOpen]() {
        auto* box = dynamic_cast<CAboutDialog*>(QApplication::activeModalWidget());
        if (!box || QGuiApplication::focusWindow() != box->windowHandle()) {
            return;
        }
        poll.stop();
        whileOpen(*box);
        if (box->isVisible()) {
            box->EndDialog(IDCANCEL);
        }
    });
    poll.start(5);
}

BoxAction Keys(QList<Qt::Key> keys) {
    return [keys](CDialog& box) {
        for (Qt::Key key : keys) {
            QTest::keyClick(box.windowHandle(), key,
                            key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        }
    };
}

// Clicks Copy with the address box too narrow for the address and part of it selected.
void NarrowSelectAndClickCopy(CDialog& box) {
    auto* address = Child<QLineEdit>(&box, "IDC_WEB_ADDRESS");
    address->setFixedWidth(40);
    QVERIFY(address->fontMetrics().horizontalAdvance(kAddress) > address->width());
    address->setSelection(8, 7);
    QTest::mouseClick(box.windowHandle(), Qt::LeftButton, {},
                      CentreInWindow(Child<QPushButton>(&box, "IDC_COPY")));
}

} // namespace

Q_DECLARE_METATYPE(BoxAction)

class TestAboutBox : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        QApplication::clipboard()->clear();
        VERIFY_NO_WINDOW_OPEN();
    }

    void workingTheBox_data() {
        QTest::addColumn<BoxAction>("action");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("copies"); // copies the whole address, stays open, keeps it selected

        QTest::newRow("Enter on OK -> IDOK") << Keys({Qt::Key_Return}) << int(IDOK) << false;
        QTest::newRow("keypad Enter on OK -> IDOK") << Keys({Qt::Key_Enter}) << int(IDOK) << false;
        QTest::newRow("Enter in the address box -> IDOK")
            << Keys({Qt::Key_Tab, Qt::Key_Return}) << int(IDOK) << false;
        QTest::newRow("keypad Enter in the address box -> IDOK")
            << Keys({Qt::Key_Tab, Qt::Key_Enter}) << int(IDOK) << false;
        QTest::newRow("Esc -> IDCANCEL") << Keys({Qt::Key_Escape}) << int(IDCANCEL) << false;
        QTest::newRow("close() -> IDCANCEL")
            << BoxAction([](CDialog& box) { box.close(); }) << int(IDCANCEL) << false;
        QTest::newRow("Enter on Copy -> copies")
            << Keys({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return}) << int(IDCANCEL) << true;
        QTest::newRow("click on Copy, address box narrow, part selected -> copies all")
            << BoxAction(NarrowSelectAndClickCopy) << int(IDCANCEL) << true;
    }

    // Catches a wrong first focus, Enter or Esc taken by the wrong control, a wrong result, and
    // a copy of only the visible or selected part of the address.
    void workingTheBox() {
        QFETCH(BoxAction, action);
        QFETCH(int, result);
        QFETCH(bool, copies);

        QApplication::clipboard()->setText(QStringLiteral("before"));
        QTimer poll;
        WhileAboutBoxOpen(poll, [&](CDialog& box) {
            QCOMPARE(QApplication::focusWidget(), Child<QWidget>(&box, "IDOK"));
            QCoreApplication::sendPostedEvents(); // the address drops its first selection now
            action(box);
            QCOMPARE(box.isVisible(), copies);
            if (copies) {
                QCOMPARE(Child<QLineEdit>(&box, "IDC_WEB_ADDRESS")->selectedText(), kAddress);
            }
        });
        CAboutDialog box;
        QCOMPARE(int(box.DoModal()), result);
        QVERIFY(!poll.isActive());
        QCOMPARE(QApplication::clipboard()->text(), copies ? kAddress : QStringLiteral("before"));
    }

    void openingFromCalculator_data() {
        QTest::addColumn<BoxAction>("open");
        QTest::addColumn<bool>("otherActive"); // the calculator the main window, another active

        auto about = [](CDialog& c) { return Child<QPushButton>(&c, "IDC_ABOUT"); };
        QTest::newRow("About button, click") << BoxAction([about](CDialog& c) {
            QTest::mouseClick(c.windowHandle(), Qt::LeftButton, {}, CentreInWindow(about(c)));
        }) << false;
        QTest::newRow("About button, Enter") << BoxAction([about](CDialog& c) {
            about(c)->setFocus();
            QTest::keyClick(c.windowHandle(), Qt::Key_Return);
        }) << false;
        QTest::newRow("window menu item") << BoxAction([](CDialog& c) {
            MenuAction(c, QStringLiteral("&About Varnholt..."))->trigger();
        }) << false;
        const BoxAction sysCommand = [](CDialog& c) { c.SendSysCommand(IDM_ABOUT); };
        QTest::newRow("SendSysCommand(IDM_ABOUT)") << sysCommand << false;
        QTest::newRow("SendSysCommand(IDM_ABOUT | 0x3)")
            << BoxAction([](CDialog& c) { c.SendSysCommand(IDM_ABOUT | 0x3); }) << false;
        QTest::newRow("main window owns it, not the active window") << sysCommand << true;
    }

    // Catches a box that is modeless, owned by another window, off centre, or lets the
    // calculator take input or lose its texts.
    void openingFromCalculator() {
        QFETCH(BoxAction, open);
        QFETCH(bool, otherActive);

        CCalculatorDialog calculator;
        QVERIFY(calculator.Create());
        QVERIFY(QTest::qWaitForWindowActive(&calculator));
        TypeInto(&calculator, "IDC_LOSS_LENGTH", "25");
        TypeInto(&calculator, "IDC_LOSS_SWR", "12");
        TypeInto(&calculator, "IDC_SWR_LOSS", "5");
        TypeInto(&calculator, "IDC_SWR_LENGTH", "-3");
        const QStringList texts = CalculatorTexts(&calculator);
        QVERIFY(texts.contains(QStringLiteral("2.902027")) && !texts.last().isEmpty());
        CWinApp app;
        QWidget other;
        if (otherActive) {
            app.m_pMainWnd = &calculator;
            other.show();
            QVERIFY(QTest::qWaitForWindowActive(&other));
        }

        QTimer poll;
        WhileAboutBoxOpen(poll, [&](CDialog& box) {
            QCOMPARE(box.parentWidget(), &calculator);
            QCOMPARE(box.windowType(), Qt::Dialog);
            const QPoint off = box.frameGeometry().center() - calculator.frameGeometry().center();
            QVERIFY2(qAbs(off.x()) <= 1 && qAbs(off.y()) <= 1,
                     qPrintable(QStringLiteral("off by %1, %2").arg(off.x()).arg(off.y())));
            Child<QLineEdit>(&calculator, "IDC_LOSS_LENGTH")->setFocus();
            QTest::keyClick(calculator.windowHandle(), '9');
            QTest::keyClick(calculator.windowHandle(), Qt::Key_Escape);
            QTest::mouseClick(calculator.windowHandle(), Qt::LeftButton, {},
                              CentreInWindow(Child<QPushButton>(&calculator, "IDCANCEL")));
            QCOMPARE(CalculatorTexts(&calculator), texts);
            QVERIFY(calculator.isVisible());
        });
        open(calculator);
        QTRY_VERIFY(!poll.isActive());
    }

    void windowMenu_data() {
        QTest::addColumn<bool>("calculator");
        QTest::addColumn<QPoint>("rightClick"); // in dialog units; none: Alt+Space
        QTest::addColumn<bool>("opens");        // and so the right-click misses every control

        QTest::newRow("calculator: right-click in a group box") << true << QPoint(11, 69) << true;
        QTest::newRow("calculator: right-click on Exit") << true << QPoint(199, 14) << false;
        QTest::newRow("calculator: Alt+Space") << true << QPoint() << true;
        QTest::newRow("About box: right-click on the background")
            << false << QPoint(10, 150) << true;
        QTest::newRow("About box: right-click on OK") << false << QPoint(219, 22) << false;
        QTest::newRow("About box: Alt+Space") << false << QPoint() << true;
    }

    // Catches missing, duplicated or misnumbered items after a second opening, and a menu that
    // does not open, opens over a control or runs a command when it opens.
    void windowMenu() {
        QFETCH(bool, calculator);
        QFETCH(QPoint, rightClick);
        QFETCH(bool, opens);

        const std::unique_ptr<CDialog> dialog(
            calculator ? static_cast<CDialog*>(new CCalculatorDialog) : new CAboutDialog);
        QVERIFY(dialog->Create());
        dialog->EndDialog(IDCANCEL);
        QVERIFY(dialog->Create());
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        CMenu* menu = dialog->GetSystemMenu(FALSE);
        QStringList items;
        for (int i = 0; i < menu->GetMenuItemCount(); ++i) {
            items << (menu->menu()->actions().at(i)->isSeparator()
                          ? QStringLiteral("-")
                          : QString::number(menu->GetMenuItemID(i), 16) + " " +
                                menu->GetMenuString(i));
        }
        const QStringList expected = {"f020 Mi&nimize", "f060 &Close", "-",
                                      "10 &About Varnholt..."};
        QCOMPARE(items, calculator ? expected : QStringList{"f060 &Close"});

        QSignalSpy shown(menu->menu(), &QMenu::aboutToShow);
        if (rightClick.isNull()) {
            QTest::keyClick(dialog->windowHandle(), Qt::Key_Space, Qt::AltModifier);
        } else {
            const QPoint at(dialog->DialogUnitsToPixelsX(rightClick.x()),
                            dialog->DialogUnitsToPixelsY(rightClick.y()));
            QCOMPARE(dialog->childAt(at) == nullptr, opens);
            QTest::mouseClick(dialog->windowHandle(), Qt::RightButton, {}, at);
        }
        QCOMPARE(shown.count(), opens ? 1 : 0);
        QCOMPARE(QApplication::activePopupWidget(), opens ? menu->menu() : nullptr);
        if (opens) {
            QTest::keyClick(menu->menu(), Qt::Key_Escape);
            QTRY_VERIFY(!menu->menu()->isVisible());
        }
        QVERIFY(dialog->isVisible() && !dialog->isMinimized());
        dialog->EndDialog(IDCANCEL);
    }

    // Catches a Minimize item that does nothing.
    void minimizeFromWindowMenu() {
        CCalculatorDialog calculator;
        QVERIFY(calculator.Create());
        QVERIFY(QTest::qWaitForWindowExposed(&calculator));
        MenuAction(calculator, QStringLiteral("Mi&nimize"))->trigger();
        QTRY_VERIFY(calculator.isMinimized());
        calculator.EndDialog(IDCANCEL);
    }

    void closeFromWindowMenu_data() {
        QTest::addColumn<BoxAction>("close");
        QTest::newRow("Close item")
            << BoxAction([](CDialog& c) { MenuAction(c, QStringLiteral("&Close"))->trigger(); });
        QTest::newRow("close box") << BoxAction([](CDialog& c) { c.close(); });
        QTest::newRow("SendSysCommand(SC_CLOSE | 0x3)")
            << BoxAction([](CDialog& c) { c.SendSysCommand(SC_CLOSE | 0x3); });
    }

    // Catches a modal calculator that Close, after an About box, does not end with IDCANCEL.
    void closeFromWindowMenu() {
        QFETCH(BoxAction, close);

        CCalculatorDialog calculator;
        QTimer poll;
        WhileAboutBoxOpen(poll, Keys({Qt::Key_Return}));
        QTimer::singleShot(0, &calculator, [&]() {
            calculator.SendSysCommand(IDM_ABOUT);
            close(calculator);
        });
        QTimer::singleShot(5000, &calculator, [&]() { calculator.EndDialog(42); });
        QCOMPARE(int(calculator.DoModal()), int(IDCANCEL));
        QVERIFY(!poll.isActive());
    }
};

VARNHOLT_TEST_MAIN(TestAboutBox)
#include "test_about_box.moc"
