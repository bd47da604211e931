// The calculator window and the About box driven through the keyboard and mouse: key scripts
// with the texts every box shows after each key, keys that must change nothing, the About box's
// keys and copy, and random edits checked against the calculation library.
#include "about_dialog.h"
#include "calculator_dialog.h"
#include "cwinapp.h"
#include "line_calculations.h"
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
#include <random>
#include <tuple>

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

namespace {

// Counts the data exchanges: a calculation reads all boxes once and writes them once.
class CountingCalculatorDialog : public CCalculatorDialog {
public:
    int exchanges = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        ++exchanges;
        CCalculatorDialog::DoDataExchange(pDX);
    }
};

// Counts the help commands that reach the application object.
class HelpCountingApp : public CWinApp {
public:
    int helps = 0;
    void OnHelpCounted() { ++helps; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(HelpCountingApp, CWinApp)
    ON_COMMAND(ID_HELP, OnHelpCounted)
END_MESSAGE_MAP()

const char* const kBoxes[] = {"IDC_LOSS_LENGTH", "IDC_LOSS_SWR",   "IDC_LOSS_RESULT",
                              "IDC_SWR_LOSS",    "IDC_SWR_LENGTH", "IDC_SWR_RESULT",
                              "IDC_MESSAGES"};
const QString kAddress = QStringLiteral("https://varnholt.example.org/");

// One step of a script: focus `box` (or stay), press `keys`, then the loss result, SWR result
// and message box show `shown`, joined by " | ".
struct Step {
    const char* box;
    const char* keys;
    const char* shown;
};
using Script = QList<Step>;
using Action = std::function<void(QWidget*)>;

QStringList Texts(CDialog& dialog) {
    QStringList texts;
    for (const char* name : kBoxes) {
        texts << TextOf(Control(dialog, name));
    }
    return texts;
}

// Runs `whileOpen` on the About box once it is the active modal window, then closes it if a
// failed check left it open.
void WhileAboutBoxOpen(QTimer& poll, Action whileOpen) {
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
QMap<QObject*, int> g_textEvents;

void CountTextEvents(QAccessibleEvent* event) {
    const QAccessible::Event type = event->type();
    if (type == QAccessible::TextUpdated || type == QAccessible::TextInserted ||
        type == QAccessible::TextRemoved) {
        ++g_textEvents[event->object()];
    }
}

Action Keys(const char* keys) {
    return [keys](QWidget*) { Press(keys); };
}

} // namespace

Q_DECLARE_METATYPE(Script)
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

    void typing_data() {
        QTest::addColumn<Script>("script");
        const char *L = "IDC_LOSS_LENGTH", *S = "IDC_LOSS_SWR", *D = "IDC_SWR_LOSS",
                   *M = "IDC_SWR_LENGTH";
        const char* swrLow = "Currently incalculatable |  | SWR must be greater than 1";
        const char* swrBorder = "Infinity |  | The current value is the border case";
        const char* q = "95.424251 | 86.862734 | "; // length 5, SWR 2; loss 5, length 2
        QTest::newRow("opens empty, focus in the first length") << Script{{nullptr, "", " |  | "}};
        QTest::newRow("length 5, SWR 1.5 -> 139.794001")
            << Script{{L, "5", swrLow},
                      {S, "1", swrBorder},
                      {nullptr, ".", swrBorder},
                      {nullptr, "5", "139.794001 |  | "}};
        QTest::newRow("loss 5, length 20 -> 8.724232")
            << Script{{D, "5", " | Infinity | The current value is the border case."},
                      {M, "2", " | 86.862734 | "},
                      {nullptr, "0", " | 8.724232 | "}};
        QTest::newRow("other group's result kept, latest message shown, empty is 0") << Script{
            {L, "5", swrLow},
            {D, "5", "Currently incalculatable | Infinity | The current value is the border case."},
            {M, "2", "Currently incalculatable | 86.862734 | "},
            {S, "2", q},
            {L, "Backspace", "Infinity | 86.862734 | The current value is the border case."},
            {nullptr, "5", q},
            {D, "Ctrl+A", q},
            {nullptr, "Ctrl+X", "95.424251 | Infinity | The current value is the border case"},
            {nullptr, "Ctrl+V", q}};
    }

    // After every step the outputs, and one exchange each way per change of the focused box's
    // text, none otherwise (so none from the write-back).
    void typing() {
        QFETCH(Script, script);
        QCOMPARE(QApplication::focusWidget(), Control(*m_dlg, "IDC_LOSS_LENGTH"));
        for (const Step& step : script) {
            if (step.box) {
                focus(step.box);
            }
            const QString before = TextOf(QApplication::focusWidget());
            const QStringList texts = Texts(*m_dlg);
            const int exchanges = m_dlg->exchanges;
            g_textEvents.clear();
            Press(step.keys);
            const int changes = TextOf(QApplication::focusWidget()) != before ? 2 : 0;
            QCOMPARE(m_dlg->exchanges - exchanges, changes);
            QCOMPARE(shown().join(" | "), QString(step.shown));
            // A screen reader hears each box whose text changed once, and no other box: the
            // write-back leaves unchanged boxes alone (caret, selection and undo history too).
            QMap<QObject*, int> changed;
            for (std::size_t i = 0; i < std::size(kBoxes); ++i) {
                if (Texts(*m_dlg)[int(i)] != texts[int(i)]) {
                    changed[Control(*m_dlg, kBoxes[i])] = 1;
                }
            }
            QCOMPARE(g_textEvents, changed);
        }
    }

    void keys_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("keys");  // "close": the window's close box
        QTest::addColumn<QString>("after"); // the focus then, "closed", or the modal box opened
        const auto row = [](const char* from, const char* keys, const char* after) {
            QTest::addRow("%s in %s -> %s", keys, from, after) << from << keys << after;
        };
        for (const char* name : kBoxes) {
            row(name, "Return", name);
            row(name, "Num+Enter", name);
        }
        row("IDCANCEL", "Return", "closed");
        row("IDC_LOSS_LENGTH", "Esc", "closed");
        row("IDC_SWR_LOSS", "close", "closed");
        row("IDC_ABOUT", "Return", "IDD_ABOUT");
        row("IDC_LOSS_SWR", "F1", "IDC_LOSS_SWR"); // the help command, for the application
        row("IDC_ABOUT", "F1", "IDC_ABOUT");
        row("IDC_SWR_LENGTH", "Alt+C", "IDC_LOSS_LENGTH");
        row("IDC_MESSAGES", "Alt+S", "IDC_LOSS_SWR");
        row("IDC_ABOUT", "Alt+D", "IDC_SWR_LOSS");
        row("IDC_LOSS_RESULT", "Alt+L", "IDC_SWR_LENGTH");
        const char* const order[] = {"IDC_LOSS_LENGTH", "IDC_LOSS_SWR",   "IDC_LOSS_RESULT",
                                     "IDC_SWR_LOSS",    "IDC_SWR_LENGTH", "IDC_SWR_RESULT",
                                     "IDCANCEL",        "IDC_MESSAGES",   "IDC_ABOUT"};
        for (std::size_t i = 0; i < std::size(order); ++i) {
            row(order[i], "Tab", order[(i + 1) % std::size(order)]);
            row(order[(i + 1) % std::size(order)], "Shift+Tab", order[i]);
        }
        for (const char* name : {"IDC_LOSS_RESULT", "IDC_SWR_RESULT", "IDC_MESSAGES"}) {
            for (const char* keys : {"9", "Backspace", "Ctrl+A, Delete", "Ctrl+A, Ctrl+X", "Ctrl+V",
                                     "Ctrl+Z", "Space"}) {
                row(name, keys, name); // read-only
            }
        }
    }

    // Where the focus goes, or what opens or closes; no text changes and no data is exchanged.
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
        QApplication::clipboard()->setText("77");
        focus(qPrintable(from), Qt::TabFocusReason);
        QString opened;
        QObject context; // drops the timer unless a modal box runs it
        QTimer::singleShot(0, &context, [&]() {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                opened = modal->objectName();
                modal->reject();
            }
        });
        if (keys == "close") {
            WindowOf(*m_dlg)->close();
        } else {
            Press(keys);
        }
        QCOMPARE(Texts(*m_dlg), before);
        QCOMPARE(m_dlg->exchanges, exchanges);
        QCOMPARE(m_app.helps - helps, keys == "F1" ? 1 : 0);
        QCOMPARE(QApplication::clipboard()->text(), QString("77"));
        auto* window = qobject_cast<QDialog*>(WindowOf(*m_dlg));
        QCOMPARE(window->isVisible(), after != "closed");
        if (after == "closed") {
            QCOMPARE(window->result(), int(IDCANCEL));
        } else {
            QCOMPARE(opened.isEmpty() ? QApplication::focusWidget()->objectName() : opened, after);
        }
        const QString text = TextOf(Control(*m_dlg, qPrintable(from)));
        if (after == from && !text.isEmpty()) { // every box, read-only too, selects and copies
            Press("Ctrl+A, Ctrl+C");
            QCOMPARE(QApplication::clipboard()->text(), text);
        }
    }

    void aboutBox_data() {
        QTest::addColumn<Action>("open");   // from the calculator
        QTest::addColumn<Action>("action"); // in the About box, focus on OK
        QTest::addColumn<bool>("copies");   // the whole address, and the box stays open
        const Action button = [](QWidget* calculator) {
            QTest::mouseClick(Control(calculator, "IDC_ABOUT"), Qt::LeftButton);
        };
        const Action enter = [](QWidget* calculator) {
            Control(calculator, "IDC_ABOUT")->setFocus();
            Press("Return");
        };
        const Action menuItem = [this](QWidget*) {
            for (QAction* item : m_dlg->GetSystemMenu(FALSE)->m_hMenu->actions()) {
                if (item->text() == "&About Varnholt...") {
                    item->trigger();
                }
            }
        };
        QTest::newRow("About button, Enter on OK") << button << Keys("Return") << false;
        QTest::newRow("Enter on About, keypad Enter on OK") << enter << Keys("Num+Enter") << false;
        QTest::newRow("menu item, Enter in the address box")
            << menuItem << Keys("Tab, Return") << false;
        QTest::newRow("SC command with low bits set, Esc")
            << Action([this](QWidget*) { m_dlg->SendMessage(WM_SYSCOMMAND, IDM_ABOUT | 0x3); })
            << Keys("Esc") << false;
        QTest::newRow("Enter on Copy copies") << button << Keys("Tab, Tab, Return") << true;
        QTest::newRow("Copy, box narrow, part selected, copies all")
            << enter << Action([](QWidget* box) {
                   auto* address = Control<QLineEdit>(box, "IDC_WEB_ADDRESS");
                   address->setFixedWidth(40);
                   address->setSelection(8, 7);
                   QTest::mouseClick(Control(box, "IDC_COPY"), Qt::LeftButton);
               })
            << true;
    }

    // The box is modal over the calculator, which keeps its texts and takes no input; its keys
    // and its copy of the whole address.
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

    // Texts reach the calculation as typed, whatever their characters: a no-break space is no
    // blank, so it ends the number before the 5 (and the length reads as 0); a micro sign and a
    // character beyond 16 bits do the same after the number.
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
    }

    // While minimized and dragged, the window shows its icon, through the message map.
    void dragIcon() {
        QCOMPARE(m_dlg->SendMessage(WM_QUERYDRAGICON),
                 reinterpret_cast<LRESULT>(AfxLoadIcon(IDI_MAIN)));
    }

    // What a screen reader finds: a box is named after its label (or its frame) and described by
    // its group, a button by its text; the picture and the icon (control "") in words.
    void accessibleTexts_data() {
        QTest::addColumn<bool>("about");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        const QString loss = "Cable Loss from SWR", swr = "SWR from Cable Loss";
        const QList<std::tuple<bool, QString, QString, QString>> rows = {
            {false, "IDC_LOSS_LENGTH", "Cable Length (m):", loss},
            {false, "IDC_LOSS_SWR", "SWR:", loss},
            {false, "IDC_LOSS_RESULT", "dB/100m:", loss},
            {false, "IDC_SWR_LOSS", "dB/100m:", swr},
            {false, "IDC_SWR_LENGTH", "Cable Length (m):", swr},
            {false, "IDC_SWR_RESULT", "SWR:", swr},
            {false, "IDC_MESSAGES", "Program messages", ""},
            {false, "IDC_ABOUT", "About", ""},
            {false, "", "", "A pocket calculator joined by a cable to an antenna"},
            {true, "IDC_WEB_ADDRESS",
             "For more information on this topic, visit the web page of the Varnholt authors:", ""},
            {true, "IDC_COPY", "Copy", ""},
            {true, "", "", "Varnholt Calculator"},
        };
        for (const auto& [about, control, name, description] : rows) {
            QTest::addRow("%s -> %s %s", qPrintable(control), qPrintable(name),
                          qPrintable(description))
                << about << control << name << description;
        }
    }
    void accessibleTexts() {
        QFETCH(bool, about);
        QFETCH(QString, control);
        CCalculatorDialog calculator;
        CAboutDialog aboutBox;
        CDialog& dialog = about ? static_cast<CDialog&>(aboutBox) : calculator;
        QVERIFY(dialog.Create());
        QWidget* widget = Control(dialog, qPrintable(control));
        for (QLabel* label : WindowOf(dialog)->findChildren<QLabel*>()) {
            widget = (control.isEmpty() && label->text().isEmpty()) ? label : widget;
        }
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(face);
        QTEST(face->text(QAccessible::Name), "name");
        QTEST(face->text(QAccessible::Description), "description");
        dialog.EndDialog(IDCANCEL);
    }

    // Random typing and deleting: both results and the message box always show what the
    // calculation library gives for the four inputs.
    void randomEditsMatchTheLibrary() {
        const char* const inputs[] = {"IDC_LOSS_LENGTH", "IDC_LOSS_SWR", "IDC_SWR_LOSS",
                                      "IDC_SWR_LENGTH"};
        const QString chars = "0123456789012345678901234567890123456789.,-+eE xa";
        std::mt19937 random(20010611);
        QString results[2], message;
        for (int i = 0; i < 3000; ++i) {
            const unsigned index = random() % 4, group = index / 2;
            auto* box = Control<QLineEdit>(*m_dlg, inputs[index]);
            const QString before = box->text();
            box->setFocus(Qt::OtherFocusReason);
            if (!before.isEmpty() && random() % 3 == 0) {
                QTest::keyClick(box, Qt::Key_End);
                QTest::keyClick(box, Qt::Key_Backspace);
            } else {
                QTest::keyClicks(box, chars.mid(int(random() % chars.size()), 1));
            }
            QStringList in;
            for (const char* name : inputs) {
                in << TextOf(Control(*m_dlg, name));
            }
            if (box->text() != before) { // the box's own group, the latest message
                const CalcOutcome want = (group ? CalcSwrFromLoss : CalcLossFromSwr)(
                    in[2 * group].toStdString(), in[2 * group + 1].toStdString());
                results[group] = QString::fromStdString(want.result);
                message = QString::fromStdString(want.message);
            }
            QVERIFY2(shown() == QStringList({results[0], results[1], message}),
                     qPrintable(QString("edit %1, inputs \"%2\"").arg(i).arg(in.join("\" \""))));
        }
    }
};

VARNHOLT_TEST_MAIN(TestWindow)
#include "tst_window.moc"
