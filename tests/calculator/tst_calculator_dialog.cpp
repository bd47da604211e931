// The calculator window driven as a user drives it: keys into the focused box, results and
// messages checked after every key, plus its keys, focus order, template and layout.
#include "calculator_dialog.h"
#include "dialog_templates.h"
#include "resource.h"
#include "resources.h"
#include "ui_test_support.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTimer>
#include <memory>

namespace {

// Counts the data exchanges in each direction: every calculation reads all boxes once
// (UpdateData(TRUE)) and writes them back once. It also listens to the notifications of the
// result and message boxes, which only a write-back can raise and which must never get through.
class CountingCalculatorDialog : public CCalculatorDialog {
public:
    int reads = 0;
    int writes = 0;
    int outputNotifications = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        ++(pDX->m_bSaveAndValidate ? reads : writes);
        CCalculatorDialog::DoDataExchange(pDX);
    }
    void OnOutputUpdate() { ++outputNotifications; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CountingCalculatorDialog, CCalculatorDialog)
ON_EN_UPDATE(IDC_LOSS_RESULT, OnOutputUpdate)
ON_EN_UPDATE(IDC_SWR_RESULT, OnOutputUpdate)
ON_EN_UPDATE(IDC_MESSAGES, OnOutputUpdate)
END_MESSAGE_MAP()

const char* const kIncalculable = "Currently incalculatable";
const char* const kInfinity = "Infinity";
const char* const kBorder = "The current value is the border case";
const char* const kBorderLength = "The current value is the border case.";
const char* const kSwrLow = "SWR must be greater than 1";
const char* const kLengthLow = "Cable Length must be greater than 0";
const char* const kLossLow = "dB/100m must be greater than 0";

const char* const kBoxes[] = {"IDC_LOSS_LENGTH", "IDC_LOSS_SWR",   "IDC_LOSS_RESULT",
                              "IDC_SWR_LOSS",    "IDC_SWR_LENGTH", "IDC_SWR_RESULT",
                              "IDC_MESSAGES"};

// One key of a typing script and what the window shows after it. `box` moves the focus there
// first (nullptr keeps it); `key` is one character typed as text or a key name ("Ctrl+Z").
struct Key {
    const char* box;
    const char* key;
    const char* lossResult;
    const char* swrResult;
    const char* message;
};
using Script = QList<Key>;

// The whole text of a box, one-line or multi-line.
QString TextOf(const QWidget* box) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(box)) {
        return edit->text();
    }
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(box)) {
        return edit->toPlainText();
    }
    return QString();
}

// Presses one key where the keyboard focus is, as the user does: a single character is typed
// as text, anything longer names a key combination in portable form ("Shift+Tab", "Ctrl+A").
void Press(const QString& key) {
    QWidget* target = QApplication::focusWidget();
    QVERIFY2(target, "no widget has the keyboard focus");
    if (key.size() == 1) {
        QTest::keyClick(target, key.at(0).toLatin1());
        return;
    }
    const QKeySequence sequence = QKeySequence::fromString(key, QKeySequence::PortableText);
    QVERIFY2(sequence.count() == 1 && sequence[0].key() != Qt::Key_unknown, qPrintable(key));
    QTest::keyClick(target, sequence[0].key(), sequence[0].keyboardModifiers());
}

// Strips the &-mnemonic marks from a control text, as it is shown.
QString Shown(QString text) {
    text.replace(QRegularExpression("&(.)"), "\\1");
    return text;
}

} // namespace

Q_DECLARE_METATYPE(Script)

class TestCalculatorDialog : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CountingCalculatorDialog> m_dlg;

    QLineEdit* edit(const char* name) const { return m_dlg->findChild<QLineEdit*>(name); }
    QPlainTextEdit* messages() const { return m_dlg->findChild<QPlainTextEdit*>("IDC_MESSAGES"); }
    QWidget* box(const char* name) const { return m_dlg->findChild<QWidget*>(name); }
    QStringList texts() const {
        QStringList all;
        for (const char* name : kBoxes) {
            all << TextOf(box(name));
        }
        return all;
    }
    // Types each character of `text` into box `name`, which takes the focus first.
    void type(const char* name, const char* text) {
        box(name)->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(box(name), text);
    }
    QString focusName() const {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "(none)";
    }
    // The widget that shows template row `item`: by ID, or for static controls by text.
    QWidget* widgetFor(const DialogItemTemplate& item) const {
        if (item.id != IDC_STATIC) {
            return m_dlg->GetDlgItem(item.id);
        }
        const QString text = QString::fromUtf8(item.text.text ? item.text.text : "");
        for (QWidget* child :
             m_dlg->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (auto* group = qobject_cast<QGroupBox*>(child); group && group->title() == text) {
                return child;
            }
            if (auto* label = qobject_cast<QLabel*>(child)) {
                if (item.text.text ? label->text() == text : !label->pixmap().isNull()) {
                    return child;
                }
            }
        }
        return nullptr;
    }

private slots:
    void init() {
        m_dlg = std::make_unique<CountingCalculatorDialog>();
        QVERIFY(m_dlg->Create());
        m_dlg->activateWindow(); // where no window manager does it
        QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
    }

    void cleanup() {
        m_dlg.reset();
        VERIFY_NO_WINDOW_OPEN();
    }

    void opensEmptyWithFocusInFirstLength() {
        QCOMPARE(texts(), QStringList(std::size(kBoxes), QString()));
        QCOMPARE(m_dlg->reads, 0);
        QCOMPARE(focusName(), QString("IDC_LOSS_LENGTH"));
    }

    void typing_data() {
        QTest::addColumn<Script>("script");
        const char* L = "IDC_LOSS_LENGTH";
        const char* S = "IDC_LOSS_SWR";
        const char* D = "IDC_SWR_LOSS";
        const char* M = "IDC_SWR_LENGTH";
        const char* I = kIncalculable;

        QTest::newRow("length 5, SWR 1.5 -> 139.794001") << Script{
            {L, "5", I, "", kSwrLow},
            {S, "1", kInfinity, "", kBorder},
            {nullptr, ".", kInfinity, "", kBorder},
            {nullptr, "5", "139.794001", "", ""},
        };
        QTest::newRow("length 25, SWR 12 -> 2.902027") << Script{
            {L, "2", I, "", kSwrLow},
            {nullptr, "5", I, "", kSwrLow},
            {S, "1", kInfinity, "", kBorder},
            {nullptr, "2", "2.902027", "", ""},
        };
        QTest::newRow("loss 5, length 20 -> 8.724232") << Script{
            {D, "5", "", kInfinity, kBorderLength},
            {M, "2", "", "86.862734", ""},
            {nullptr, "0", "", "8.724232", ""},
        };
        QTest::newRow("SWR group replaces the message, keeps the loss result") << Script{
            {L, "5", I, "", kSwrLow},
            {D, "0", I, kInfinity, kBorder},
            {nullptr, ".", I, kInfinity, kBorder},
            {nullptr, "5", I, kInfinity, kBorderLength},
            {M, "-", I, kInfinity, kBorderLength},
            {nullptr, "1", I, I, kLengthLow},
            {D, "Ctrl+A", I, I, kLengthLow},
            {nullptr, "-", I, kInfinity, kBorder},
            {nullptr, "3", I, I, kLossLow},
        };
        QTest::newRow("success in either group clears the other's message") << Script{
            {D, "5", "", kInfinity, kBorderLength},
            {L, "-", kInfinity, kInfinity, kBorderLength},
            {nullptr, "2", I, kInfinity, kLengthLow},
            {M, "2", I, "86.862734", ""},
            {D, "Backspace", I, kInfinity, kBorder},
            {L, "Backspace", kInfinity, kInfinity, kBorderLength},
            {nullptr, "Backspace", kInfinity, kInfinity, kBorderLength},
            {nullptr, "5", I, kInfinity, kSwrLow},
            {S, "2", "95.424251", kInfinity, ""},
        };
        QTest::newRow("emptying reads 0: Backspace, select-all+Delete, cut, paste back") << Script{
            {L, "5", I, "", kSwrLow},
            {S, "2", "95.424251", "", ""},
            {nullptr, "Backspace", I, "", kSwrLow},
            {nullptr, "2", "95.424251", "", ""},
            {L, "Ctrl+A", "95.424251", "", ""},
            {nullptr, "Delete", kInfinity, "", kBorderLength},
            {nullptr, "Ctrl+Z", "95.424251", "", ""},
            {nullptr, "Ctrl+A", "95.424251", "", ""},
            {nullptr, "Ctrl+X", kInfinity, "", kBorderLength},
            {nullptr, "Ctrl+V", "95.424251", "", ""},
            {D, "2", "95.424251", kInfinity, kBorderLength},
            {nullptr, "Backspace", "95.424251", kInfinity, kBorder},
        };
        QTest::newRow("typing over a selection is one change") << Script{
            {L, "2", I, "", kSwrLow},
            {S, "1", kInfinity, "", kBorder},
            {nullptr, "2", "36.275334", "", ""},
            {L, "Ctrl+A", "36.275334", "", ""},
            {nullptr, "7", "10.364381", "", ""},
            {nullptr, "Shift+Home", "10.364381", "", ""},
            {nullptr, "3", "24.183556", "", ""},
        };
        QTest::newRow("comma ends the number: 1,5 reads 1") << Script{
            {L, "5", I, "", kSwrLow},
            {S, "1", kInfinity, "", kBorder},
            {nullptr, ",", kInfinity, "", kBorder},
            {nullptr, "5", kInfinity, "", kBorder},
        };
    }

    // After every key: the three output boxes, exactly one calculation per change of the
    // focused box's text and none otherwise, and no notification escaping the write-back.
    void typing() {
        QFETCH(Script, script);
        int step = 0;
        for (const Key& key : script) {
            ++step;
            const QString where = QString("step %1 (%2)").arg(step).arg(key.key);
            if (key.box) {
                box(key.box)->setFocus(Qt::OtherFocusReason);
            }
            QWidget* focused = QApplication::focusWidget();
            QVERIFY(focused);
            const QString before = TextOf(focused);
            const int reads = m_dlg->reads;
            const int writes = m_dlg->writes;

            Press(key.key);

            const int changes = TextOf(focused) != before ? 1 : 0;
            QVERIFY2(m_dlg->reads - reads == changes, qPrintable(where + ": reads"));
            QVERIFY2(m_dlg->writes - writes == changes, qPrintable(where + ": writes"));
            QVERIFY2(m_dlg->outputNotifications == 0, qPrintable(where));
            QVERIFY2(edit("IDC_LOSS_RESULT")->text() == key.lossResult,
                     qPrintable(where + ": dB/100m = " + edit("IDC_LOSS_RESULT")->text()));
            QVERIFY2(edit("IDC_SWR_RESULT")->text() == key.swrResult,
                     qPrintable(where + ": SWR = " + edit("IDC_SWR_RESULT")->text()));
            QVERIFY2(messages()->toPlainText() == key.message,
                     qPrintable(where + ": message = " + messages()->toPlainText()));
        }
    }

    void enterInABoxChangesNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("keypad");
        for (const char* name : kBoxes) {
            QTest::addRow("Return in %s", name) << QString(name) << false;
            QTest::addRow("keypad Enter in %s", name) << QString(name) << true;
        }
    }

    void enterInABoxChangesNothing() {
        QFETCH(QString, name);
        QFETCH(bool, keypad);
        type("IDC_LOSS_LENGTH", "25");
        type("IDC_LOSS_SWR", "12");
        type("IDC_SWR_LOSS", "-5");
        const QStringList before = texts();
        const int reads = m_dlg->reads;
        box(qPrintable(name))->setFocus(Qt::OtherFocusReason);

        QTest::keyClick(QApplication::focusWidget(), keypad ? Qt::Key_Enter : Qt::Key_Return,
                        keypad ? Qt::KeypadModifier : Qt::NoModifier);

        QVERIFY(m_dlg->isVisible());
        QCOMPARE(texts(), before);
        QCOMPARE(m_dlg->reads, reads);
        QCOMPARE(focusName(), name);
    }

    void closingKeys_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("key"); // empty: the window's close command
        QTest::newRow("Return on Exit") << "IDCANCEL"
                                        << "Return";
        QTest::newRow("keypad Enter on Exit") << "IDCANCEL"
                                              << "Num+Enter";
        QTest::newRow("Space on Exit") << "IDCANCEL"
                                       << "Space";
        QTest::newRow("Esc in a length box") << "IDC_LOSS_LENGTH"
                                             << "Esc";
        QTest::newRow("Esc in the message box") << "IDC_MESSAGES"
                                                << "Esc";
        QTest::newRow("Esc on About") << "IDC_ABOUT"
                                      << "Esc";
        QTest::newRow("close command") << "IDC_SWR_LOSS" << QString();
    }

    void closingKeys() {
        QFETCH(QString, focus);
        QFETCH(QString, key);
        type("IDC_LOSS_LENGTH", "5");
        const int reads = m_dlg->reads;
        const int writes = m_dlg->writes;
        box(qPrintable(focus))->setFocus(Qt::OtherFocusReason);

        if (key.isEmpty()) {
            m_dlg->close();
        } else {
            Press(key);
        }

        QVERIFY(!m_dlg->isVisible());
        QCOMPARE(m_dlg->result(), int(IDCANCEL));
        QCOMPARE(m_dlg->reads, reads);
        QCOMPARE(m_dlg->writes, writes);
    }

    void doModalEndsWithCancel_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Exit clicked") << "Exit";
        QTest::newRow("Esc") << "Esc";
        QTest::newRow("close command") << "close";
    }

    void doModalEndsWithCancel() {
        QFETCH(QString, how);
        m_dlg.reset();
        CCalculatorDialog dlg;
        QTimer driver;
        driver.setSingleShot(true);
        connect(&driver, &QTimer::timeout, this, [&]() {
            dlg.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&dlg));
            QCOMPARE(QApplication::activeModalWidget(), &dlg);
            if (how == "Exit") {
                QTest::mouseClick(dlg.GetDlgItem(IDCANCEL), Qt::LeftButton);
            } else if (how == "Esc") {
                Press("Esc");
            } else {
                dlg.close();
            }
        });
        // Ends the run if the driver could not, so that a fault fails instead of hanging.
        QTimer rescue;
        rescue.setSingleShot(true);
        connect(&rescue, &QTimer::timeout, &dlg, [&]() { dlg.EndDialog(-99); });
        driver.start(0);
        rescue.start(10000);

        QCOMPARE(dlg.DoModal(), INT_PTR(IDCANCEL));
    }

    void enterOnAboutOpensTheAboutBox() {
        type("IDC_LOSS_LENGTH", "5");
        const QStringList before = texts();
        QString opened;
        QTimer closer;
        closer.setSingleShot(true);
        connect(&closer, &QTimer::timeout, this, [&]() {
            QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
            auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(about);
            opened = about->objectName();
            QTest::keyClick(about->focusWidget() ? about->focusWidget() : about, Qt::Key_Escape);
            if (about->isVisible()) {
                about->reject(); // Esc is the About box's own concern; never hang here
            }
        });
        closer.start(0);
        m_dlg->GetDlgItem(IDC_ABOUT)->setFocus(Qt::OtherFocusReason);

        Press("Return");

        QCOMPARE(opened, QString("IDD_ABOUT"));
        QVERIFY(m_dlg->isVisible());
        QCOMPARE(texts(), before);
    }

    void readOnlyBoxes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("home");  // to the start of the text
        QTest::addColumn<QString>("toEnd"); // select to its end
        QTest::newRow("dB/100m result") << "IDC_LOSS_RESULT" << kIncalculable << "Home"
                                        << "Shift+End";
        QTest::newRow("SWR result") << "IDC_SWR_RESULT" << kInfinity << "Home"
                                    << "Shift+End";
        QTest::newRow("messages, several lines") << "IDC_MESSAGES" << kBorderLength << "Ctrl+Home"
                                                 << "Ctrl+Shift+End";
    }

    // Typing, deleting, cutting and pasting leave a read-only box alone; the keyboard selects
    // its text and copies it.
    void readOnlyBoxes() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, home);
        QFETCH(QString, toEnd);
        type("IDC_LOSS_LENGTH", "5");
        type("IDC_SWR_LOSS", "5");
        QWidget* target = box(qPrintable(name));
        QCOMPARE(TextOf(target), text);
        const int reads = m_dlg->reads;
        QGuiApplication::clipboard()->setText("77");
        target->setFocus(Qt::TabFocusReason);

        for (const char* key : {"9", "Backspace", "Delete", "Ctrl+A", "Ctrl+X", "Ctrl+V", "Ctrl+Z",
                                "Ctrl+A", "Delete", "Space"}) {
            Press(key);
            QVERIFY2(TextOf(target) == text, key);
        }
        QCOMPARE(m_dlg->reads, reads);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("77"));

        // Selecting with the cursor keys, as opposed to the select-all above.
        Press(home);
        Press("Shift+Right");
        Press("Shift+Right");
        Press("Shift+Right");
        Press("Ctrl+C");
        QCOMPARE(QGuiApplication::clipboard()->text(), text.left(3));
        Press(home);
        Press(toEnd);
        Press("Ctrl+C");
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
        QCOMPARE(focusName(), name);
    }

    void mnemonics_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("target");
        const auto row = [](const char* from, const char* key, const char* target) {
            QTest::addRow("%s: %s -> %s", from, key, target) << from << key << target;
        };
        row("IDC_ABOUT", "Alt+C", "IDC_LOSS_LENGTH");
        row("IDC_SWR_LENGTH", "Alt+C", "IDC_LOSS_LENGTH");
        row("IDC_ABOUT", "Alt+S", "IDC_LOSS_SWR");
        row("IDC_MESSAGES", "Alt+S", "IDC_LOSS_SWR");
        row("IDC_ABOUT", "Alt+D", "IDC_SWR_LOSS");
        row("IDC_LOSS_LENGTH", "Alt+D", "IDC_SWR_LOSS");
        row("IDC_ABOUT", "Alt+L", "IDC_SWR_LENGTH");
        row("IDC_LOSS_RESULT", "Alt+L", "IDC_SWR_LENGTH");
    }

    void mnemonics() {
        QFETCH(QString, from);
        QFETCH(QString, key);
        QFETCH(QString, target);
        type("IDC_SWR_LOSS", "5");
        box(qPrintable(from))->setFocus(Qt::OtherFocusReason);
        const QStringList before = texts();
        Press(key);
        QCOMPARE(focusName(), target);
        QCOMPARE(texts(), before);
    }

    void tabOrderWraps() {
        const QStringList order = {"IDC_LOSS_LENGTH", "IDC_LOSS_SWR",   "IDC_LOSS_RESULT",
                                   "IDC_SWR_LOSS",    "IDC_SWR_LENGTH", "IDC_SWR_RESULT",
                                   "IDCANCEL",        "IDC_MESSAGES",   "IDC_ABOUT"};
        QStringList forward, backward;
        for (int i = 0; i < order.size(); ++i) {
            Press("Tab");
            forward << focusName();
        }
        for (int i = 0; i < order.size(); ++i) {
            Press("Shift+Tab");
            backward.prepend(focusName());
        }
        QCOMPARE(forward, order.mid(1) + order.mid(0, 1));
        QCOMPARE(backward, order);
    }

    // A recalculation rewrites only the boxes whose text changed: the box being typed into
    // keeps its caret, the other input its selection and undo, unchanged outputs everything.
    void caretAndSelectionStay() {
        QLineEdit* length = edit("IDC_LOSS_LENGTH");
        QLineEdit* swr = edit("IDC_LOSS_SWR");
        QLineEdit* result = edit("IDC_LOSS_RESULT");
        type("IDC_LOSS_LENGTH", "15");
        Press("Left");
        Press("2");
        QCOMPARE(length->text(), QString("125"));
        QCOMPARE(length->cursorPosition(), 2);

        swr->setFocus(Qt::OtherFocusReason);
        length->setSelection(1, 2);
        result->setSelection(0, 9);
        QTextCursor cursor = messages()->textCursor();
        cursor.setPosition(4);
        cursor.setPosition(11, QTextCursor::KeepAnchor);
        messages()->setTextCursor(cursor);
        QSignalSpy messageChanges(messages(), &QPlainTextEdit::textChanged);
        QSignalSpy resultChanges(result, &QLineEdit::textChanged);

        Press("0"); // SWR 0: the same result and message as before
        QCOMPARE(m_dlg->reads, 4);
        QCOMPARE(resultChanges.count(), 0);
        QCOMPARE(messageChanges.count(), 0);
        QCOMPARE(length->selectedText(), QString("25"));
        QVERIFY(length->isUndoAvailable());
        QCOMPARE(result->selectedText(), QString("Currently"));
        QCOMPARE(messages()->textCursor().selectedText(), QString("must be"));

        Press("Backspace");
        Press("3"); // a new result and message
        QCOMPARE(result->text(), QString("2.408240"));
        QCOMPARE(length->selectedText(), QString("25"));
        QVERIFY(length->isUndoAvailable());

        length->setFocus(Qt::OtherFocusReason);
        length->setCursorPosition(3);
        Press("Ctrl+Z"); // back to 15
        QCOMPARE(length->text(), QString("15"));
        QCOMPARE(result->text(), QString("20.068666"));
    }

    // The template's rows as numbers: the controls' IDs, texts, style words with WS_CHILD and
    // WS_VISIBLE, and rectangles in dialog units, in template order.
    void templateRows_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<uint>("id");
        QTest::addColumn<QString>("text"); // "#129": the image with that resource ID
        QTest::addColumn<uint>("style");
        QTest::addColumn<QRect>("rect");
        const uint S = 0xFFFF;
        struct Row {
            uint id;
            const char* text;
            uint style;
            QRect rect;
        };
        const Row rows[] = {
            {S, "Cable Loss from SWR", 0x50000007, {7, 7, 160, 65}},
            {S, "&Cable Length (m):", 0x50020000, {17, 22, 68, 8}},
            {1000, "", 0x50810080, {17, 32, 65, 14}},
            {S, "&SWR:", 0x50020000, {92, 22, 19, 8}},
            {1001, "", 0x50810080, {92, 32, 65, 14}},
            {S, "dB/100m:", 0x50020000, {17, 52, 32, 8}},
            {1002, "", 0x50810880, {52, 52, 105, 14}},
            {S, "SWR from Cable Loss", 0x50000007, {7, 77, 160, 65}},
            {S, "&dB/100m:", 0x50020000, {17, 92, 32, 8}},
            {1003, "", 0x50810080, {17, 102, 65, 14}},
            {S, "Cable &Length (m):", 0x50020000, {92, 92, 68, 8}},
            {1004, "", 0x50810080, {92, 102, 65, 14}},
            {S, "SWR:", 0x50020000, {22, 122, 19, 8}},
            {1005, "", 0x50810880, {52, 122, 105, 14}},
            {2, "Exit", 0x50010000, {174, 7, 50, 14}},
            {1006, "", 0x50810804, {12, 157, 150, 25}},
            {S, "Program messages", 0x50000007, {7, 147, 160, 40}},
            {1007, "About", 0x50010000, {174, 23, 50, 14}},
            {S, "#129", 0x5000100E, {185, 151, 24, 27}},
            {S,
             "Instructions:\nSimply type in the values and the program will automatically "
             "calculate them. If it encounters any errors it will output a message in the "
             "\"Program Messages\" box.",
             0x50020000,
             {172, 46, 52, 96}},
            {S,
             "IMPORTANT: This calculations are correct only when the cable is open (or short) "
             "circuited at the far end (aka \"open line system\")",
             0x50020000,
             {7, 190, 205, 20}},
        };
        for (int i = 0; i < int(std::size(rows)); ++i) {
            const QString name = rows[i].id == S
                                     ? QString(rows[i].text).left(24).replace('\n', ' ')
                                     : QString("ID %1 %2").arg(rows[i].id).arg(rows[i].text);
            QTest::addRow("%d: %s", i + 1, qPrintable(name.trimmed()))
                << i << rows[i].id << QString(rows[i].text) << rows[i].style << rows[i].rect;
        }
    }

    void templateRows() {
        QFETCH(int, row);
        QFETCH(uint, id);
        QFETCH(QString, text);
        QFETCH(uint, style);
        QFETCH(QRect, rect);
        const DialogTemplate* tpl = AfxFindDialogTemplate(IDD_CALCULATOR);
        QVERIFY(tpl);
        QCOMPARE(tpl->itemCount, std::size_t(21));
        const DialogItemTemplate& item = tpl->items[row];
        QCOMPARE(item.id, id);
        QCOMPARE(item.text.text ? QString::fromUtf8(item.text.text)
                                : "#" + QString::number(item.text.image),
                 text);
        QCOMPARE(uint(item.style | WS_CHILD | WS_VISIBLE), style);
        QCOMPARE(QRect(item.x, item.y, item.cx, item.cy), rect);
        QWidget* control = widgetFor(item);
        QVERIFY(control);
        if (id != IDC_STATIC) {
            QCOMPARE(control->objectName(), QString::fromUtf8(item.idName));
            QCOMPARE(bool(control->focusPolicy() & Qt::TabFocus), true);
        }
    }

    // Every control inside the window and inside the group box that frames it, below the box's
    // title; no text cut off in the font the window really uses.
    void layoutFits() {
        const DialogTemplate* tpl = AfxFindDialogTemplate(IDD_CALCULATOR);
        const QRect window = m_dlg->rect();
        for (std::size_t i = 0; i < tpl->itemCount; ++i) {
            const DialogItemTemplate& item = tpl->items[i];
            QWidget* control = widgetFor(item);
            QVERIFY2(control, qPrintable(QString("row %1").arg(i + 1)));
            const QString what = QString("row %1 at %2,%3 %4x%5")
                                     .arg(i + 1)
                                     .arg(control->x())
                                     .arg(control->y())
                                     .arg(control->width())
                                     .arg(control->height());
            QVERIFY2(window.contains(control->geometry()), qPrintable(what + ": outside"));
            if (item.kind == ControlKind::Picture) {
                // Drawn at its own pixel size inside its frame, whatever the dialog units.
                QCOMPARE(control->contentsRect().size(), QSize(46, 52));
            }
            if (item.kind != ControlKind::GroupBox) {
                continue;
            }
            auto* group = static_cast<QGroupBox*>(control);
            QStyleOptionGroupBox option;
            option.initFrom(group);
            option.text = group->title();
            option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            const QRect label = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                               QStyle::SC_GroupBoxLabel, group);
            QVERIFY2(label.width() >= group->fontMetrics().horizontalAdvance(group->title()) &&
                         group->rect().contains(label),
                     qPrintable(what + ": title cut off"));
            const QRect frame(item.x, item.y, item.cx, item.cy);
            for (std::size_t j = 0; j < tpl->itemCount; ++j) {
                const DialogItemTemplate& inner = tpl->items[j];
                if (j == i || !frame.contains(QRect(inner.x, inner.y, inner.cx, inner.cy))) {
                    continue;
                }
                const QRect g = widgetFor(inner)->geometry();
                QVERIFY2(group->geometry().contains(g) && g.top() > group->y() + label.bottom(),
                         qPrintable(what + QString(": row %1 not framed").arg(j + 1)));
            }
        }
        for (auto* label : m_dlg->findChildren<QLabel*>()) {
            if (label->text().isEmpty()) {
                continue;
            }
            const QRect room = label->contentsRect();
            const QRect needed = label->fontMetrics().boundingRect(
                QRect(0, 0, room.width(), 10000), Qt::TextWordWrap | Qt::TextShowMnemonic,
                label->text());
            QVERIFY2(needed.width() <= room.width() &&
                         label->heightForWidth(label->width()) <= label->height(),
                     qPrintable(label->text() + " is cut off"));
        }
        for (auto* button : m_dlg->findChildren<QPushButton*>()) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const QRect contents =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            QVERIFY2(contents.width() >=
                         button->fontMetrics().horizontalAdvance(Shown(button->text())),
                     qPrintable(button->text() + " is cut off"));
        }
    }

    // The message box lies under the "Program messages" group box; a drag across it with the
    // mouse, delivered through the window as the window system delivers it, selects text.
    void messageTextSelectsByMouseDrag() {
        type("IDC_LOSS_LENGTH", "5");
        QPlainTextEdit* box = messages();
        QCOMPARE(box->toPlainText(), QString(kSwrLow));
        QWidget* viewport = box->viewport();
        const int y = box->cursorRect(box->textCursor()).center().y();
        const QPoint from = viewport->mapTo(m_dlg.get(), QPoint(2, y));
        const QPoint to = viewport->mapTo(m_dlg.get(), QPoint(viewport->width() - 2, y));
        QCOMPARE(m_dlg->childAt(from), viewport);

        QWindow* window = m_dlg->windowHandle();
        QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(window, (from + to) / 2);
        QTest::mouseMove(window, to);
        QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, to);

        QVERIFY(box->textCursor().hasSelection());
        QVERIFY(QString(kSwrLow).startsWith(box->textCursor().selectedText()));
        QCOMPARE(box->toPlainText(), QString(kSwrLow));
    }

    void window() {
        const DialogTemplate* tpl = AfxFindDialogTemplate(IDD_CALCULATOR);
        QCOMPARE(tpl->style, DWORD(0x90CA00C0));
        QCOMPARE(tpl->exStyle, DWORD(0x00040000));
        QCOMPARE(QSize(tpl->cx, tpl->cy), QSize(231, 217));

        QCOMPARE(m_dlg->objectName(), QString("IDD_CALCULATOR"));
        QCOMPARE(m_dlg->windowTitle(), QString("Varnholt Calculator"));
        QVERIFY(m_dlg->isWindow());
        const Qt::WindowFlags flags = m_dlg->windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Window);
        QVERIFY(flags & Qt::WindowTitleHint);
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QCOMPARE(m_dlg->minimumSize(), m_dlg->maximumSize());
        QCOMPARE(m_dlg->size(), m_dlg->minimumSize());
        QCOMPARE(m_dlg->size(),
                 QSize(m_dlg->DialogUnitsToPixelsX(231), m_dlg->DialogUnitsToPixelsY(217)));

        const QRect area = m_dlg->screen()->availableGeometry();
        const QPoint offset = m_dlg->frameGeometry().center() - area.center();
        QVERIFY2(offset.manhattanLength() <= 2,
                 qPrintable(QString("off centre by %1,%2").arg(offset.x()).arg(offset.y())));

        const QList<QSize> sizes = m_dlg->windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)));
        QVERIFY(sizes.contains(QSize(32, 32)));
    }
};

VARNHOLT_TEST_MAIN(TestCalculatorDialog)
#include "tst_calculator_dialog.moc"
