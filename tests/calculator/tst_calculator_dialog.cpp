// The calculator window driven through the keyboard and mouse: results and messages after every
// key, its keys, focus order, template styles and layout.
#include "calculator_dialog.h"
#include "resource.h"
#include "resources.h"
#include "test_support.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>
#include <memory>

namespace {

// Counts the data exchanges each way: a calculation reads all boxes once and writes them once.
class CountingCalculatorDialog : public CCalculatorDialog {
public:
    int reads = 0;
    int writes = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        ++(pDX->m_bSaveAndValidate ? reads : writes);
        CCalculatorDialog::DoDataExchange(pDX);
    }
};

const char* const kIncalculable = "Currently incalculatable";
const char* const kInfinity = "Infinity";
const char* const kBorder = "The current value is the border case";
const char* const kBorderLength = "The current value is the border case.";
const char* const kSwrLow = "SWR must be greater than 1";

const char* const kBoxes[] = {"IDC_LOSS_LENGTH", "IDC_LOSS_SWR",   "IDC_LOSS_RESULT",
                              "IDC_SWR_LOSS",    "IDC_SWR_LENGTH", "IDC_SWR_RESULT",
                              "IDC_MESSAGES"};

// One key of a typing script (into `box`, or where the focus is if null) and what shows after.
struct Key {
    const char* box;
    const char* key;
    const char* lossResult;
    const char* swrResult;
    const char* message;
};
using Script = QList<Key>;

QString TextOf(const QWidget* box) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(box)) {
        return edit->text();
    }
    return static_cast<const QPlainTextEdit*>(box)->toPlainText();
}

// Presses keys where the focus is, named in portable form: "5", "Num+Enter", "Ctrl+A, Del".
void Press(const QString& key) {
    QWidget* target = QApplication::focusWidget();
    QVERIFY2(target, "no widget has the keyboard focus");
    QTest::keySequence(target, QKeySequence::fromString(key));
}

} // namespace

Q_DECLARE_METATYPE(Script)

class TestCalculatorDialog : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CountingCalculatorDialog> m_dlg;

    QLineEdit* edit(const char* name) const { return m_dlg->findChild<QLineEdit*>(name); }
    QPlainTextEdit* messages() const { return m_dlg->findChild<QPlainTextEdit*>("IDC_MESSAGES"); }
    QWidget* box(const QString& name) const { return m_dlg->findChild<QWidget*>(name); }
    QStringList texts() const {
        QStringList all;
        for (const char* name : kBoxes) {
            all << TextOf(box(name));
        }
        return all;
    }
    void type(const char* name, const char* text) {
        box(name)->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(box(name), text);
    }
    // Both results and the message box hold text: "Currently incalculatable", "Infinity" and
    // the border-case message.
    void fill() {
        type("IDC_LOSS_LENGTH", "5");
        type("IDC_SWR_LOSS", "5");
    }
    QString focusName() const {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "(none)";
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
        const char* Inf = kInfinity;
        const char* P = "95.424251"; // length 5, SWR 2
        const char* Q = "86.862734"; // loss 5, length 2

        QTest::newRow("length 5, SWR 1.5 -> 139.794001") << Script{
            {L, "5", I, "", kSwrLow},
            {S, "1", Inf, "", kBorder},
            {nullptr, ".", Inf, "", kBorder},
            {nullptr, "5", "139.794001", "", ""},
        };
        QTest::newRow("length 25, SWR 12 -> 2.902027") << Script{
            {L, "2", I, "", kSwrLow},
            {nullptr, "5", I, "", kSwrLow},
            {S, "1", Inf, "", kBorder},
            {nullptr, "2", "2.902027", "", ""},
        };
        QTest::newRow("loss 5, length 20 -> 8.724232") << Script{
            {D, "5", "", Inf, kBorderLength},
            {M, "2", "", Q, ""},
            {nullptr, "0", "", "8.724232", ""},
        };
        QTest::newRow("cross-group: message replaced, result kept; empty is 0") << Script{
            {L, "5", I, "", kSwrLow},
            {D, "5", I, Inf, kBorderLength},
            {M, "2", I, Q, ""},
            {S, "2", P, Q, ""},
            {L, "Backspace", Inf, Q, kBorderLength},
            {nullptr, "5", P, Q, ""},
            {D, "Ctrl+A", P, Q, ""},
            {nullptr, "Ctrl+X", P, Inf, kBorder},
            {nullptr, "Ctrl+V", P, Q, ""},
        };
    }

    // After every key: the outputs, and one calculation per change of the focused box's text,
    // none otherwise (so none from the write-back).
    void typing() {
        QFETCH(Script, script);
        for (int step = 0; step < script.size(); ++step) {
            const Key& key = script[step];
            if (key.box) {
                box(key.box)->setFocus(Qt::OtherFocusReason);
            }
            QWidget* focused = QApplication::focusWidget();
            QVERIFY(focused);
            const QString before = TextOf(focused);
            const int reads = m_dlg->reads;
            const int writes = m_dlg->writes;

            Press(key.key);

            const QString where = QString("step %1 (%2)").arg(step + 1).arg(key.key);
            const int changes = TextOf(focused) != before ? 1 : 0;
            QVERIFY2(m_dlg->reads - reads == changes && m_dlg->writes - writes == changes,
                     qPrintable(where + ": calculations"));
            const QStringList shown = {edit("IDC_LOSS_RESULT")->text(),
                                       edit("IDC_SWR_RESULT")->text(), messages()->toPlainText()};
            QVERIFY2(shown == QStringList({key.lossResult, key.swrResult, key.message}),
                     qPrintable(where + ": " + shown.join(" | ")));
        }
    }

    void keys_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("key");   // "close": the window's close command
        QTest::addColumn<QString>("after"); // the focus then, "closed", or the modal box opened
        const auto row = [](const char* from, const char* key, const char* after) {
            QTest::addRow("%s in %s -> %s", key, from, after) << from << key << after;
        };
        for (const char* name : kBoxes) {
            row(name, "Return", name);
            row(name, "Num+Enter", name);
        }
        row("IDCANCEL", "Return", "closed");
        row("IDCANCEL", "Num+Enter", "closed");
        row("IDC_LOSS_LENGTH", "Esc", "closed");
        row("IDC_MESSAGES", "Esc", "closed");
        row("IDC_SWR_LOSS", "close", "closed");
        row("IDC_ABOUT", "Return", "IDD_ABOUT");
        row("IDC_SWR_LENGTH", "Alt+C", "IDC_LOSS_LENGTH");
        row("IDC_MESSAGES", "Alt+S", "IDC_LOSS_SWR");
        row("IDC_ABOUT", "Alt+D", "IDC_SWR_LOSS");
        row("IDC_LOSS_RESULT", "Alt+L", "IDC_SWR_LENGTH");
        const char* const order[] = {"IDC_LOSS_LENGTH", "IDC_LOSS_SWR",   "IDC_LOSS_RESULT",
                                     "IDC_SWR_LOSS",    "IDC_SWR_LENGTH", "IDC_SWR_RESULT",
                                     "IDCANCEL",        "IDC_MESSAGES",   "IDC_ABOUT"};
        for (std::size_t i = 0; i < std::size(order); ++i) {
            const char* next = order[(i + 1) % std::size(order)];
            row(order[i], "Tab", next);
            row(next, "Shift+Tab", order[i]);
        }
        for (const char* name : {"IDC_LOSS_RESULT", "IDC_SWR_RESULT", "IDC_MESSAGES"}) {
            for (const char* key : {"9", "Backspace", "Ctrl+A, Delete", "Ctrl+A, Ctrl+X", "Ctrl+V",
                                    "Ctrl+Z", "Space"}) {
                row(name, key, name); // read-only
            }
        }
    }

    // Enter, Esc, close, mnemonics, Tab and editing keys in read-only boxes: where the focus
    // goes or what opens or closes; no text changes and no data is exchanged.
    void keys() {
        QFETCH(QString, from);
        QFETCH(QString, key);
        QFETCH(QString, after);
        fill();
        const QStringList before = texts();
        const int reads = m_dlg->reads;
        const int writes = m_dlg->writes;
        QGuiApplication::clipboard()->setText("77");
        box(from)->setFocus(Qt::TabFocusReason);
        QString opened;
        QObject context; // drops the timer unless a modal box runs it
        QTimer::singleShot(0, &context, [&]() {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                opened = modal->objectName();
                modal->reject();
            }
        });

        if (key == "close") {
            m_dlg->close();
        } else {
            Press(key);
        }

        QCOMPARE(texts(), before);
        QCOMPARE(m_dlg->reads, reads);
        QCOMPARE(m_dlg->writes, writes);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("77"));
        if (after == "closed") {
            QVERIFY(!m_dlg->isVisible());
            QCOMPARE(m_dlg->result(), int(IDCANCEL));
        } else {
            QVERIFY(m_dlg->isVisible());
            QCOMPARE(opened.isEmpty() ? focusName() : opened, after);
        }
    }

    void copyFromReadOnlyBoxes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("dB/100m result") << "IDC_LOSS_RESULT" << kIncalculable;
        QTest::newRow("SWR result") << "IDC_SWR_RESULT" << kInfinity;
        QTest::newRow("messages") << "IDC_MESSAGES" << kBorderLength;
    }

    // The keyboard selects a read-only box's text, all or part, and copies it.
    void copyFromReadOnlyBoxes() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        fill();
        box(name)->setFocus(Qt::OtherFocusReason);
        Press("Ctrl+A, Ctrl+C");
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
        Press("Shift+Left, Shift+Left, Shift+Left, Ctrl+C");
        QCOMPARE(QGuiApplication::clipboard()->text(), text.chopped(3));
    }

    // A recalculation keeps the caret of the box typed into, and the other input's selection
    // and undo.
    void caretSelectionAndUndoSurvive() {
        QLineEdit* length = edit("IDC_LOSS_LENGTH");
        type("IDC_LOSS_LENGTH", "15");
        Press("Left");
        Press("2");
        QCOMPARE(length->text(), QString("125"));
        QCOMPARE(length->cursorPosition(), 2);

        box("IDC_LOSS_SWR")->setFocus(Qt::OtherFocusReason);
        length->setSelection(1, 2);
        Press("3");
        QCOMPARE(edit("IDC_LOSS_RESULT")->text(), QString("2.408240"));
        QCOMPARE(length->selectedText(), QString("25"));

        length->setFocus(Qt::OtherFocusReason);
        Press("Ctrl+Z");
        QCOMPARE(length->text(), QString("15"));
        QCOMPARE(edit("IDC_LOSS_RESULT")->text(), QString("20.068666"));
    }

    // Each template row's style word with WS_CHILD and WS_VISIBLE, in template order.
    void templateStyles() {
        const uint group = 0x50000007, text = 0x50020000, input = 0x50810080, result = 0x50810880,
                   output = 0x50810804, button = 0x50010000, picture = 0x5000100E;
        const QList<uint> expected = {group,  text,   input, text,   input,   text, result,
                                      group,  text,   input, text,   input,   text, result,
                                      button, output, group, button, picture, text, text};
        const DialogTemplate* tpl = AfxFindDialogTemplate(IDD_CALCULATOR);
        QVERIFY(tpl);
        QList<uint> styles;
        for (std::size_t i = 0; i < tpl->itemCount; ++i) {
            styles << uint(tpl->items[i].style | WS_CHILD | WS_VISIBLE);
        }
        QCOMPARE(styles, expected);
    }

    // Every control inside the window and, below the title, inside the group box it sits in;
    // no title, label or button text cut off in the font the window uses.
    void layoutFits() {
        QList<QWidget*> controls =
            m_dlg->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        controls.removeIf([](const QWidget* w) { return w->isWindow(); });
        for (QWidget* control : controls) {
            QVERIFY2(m_dlg->rect().contains(control->geometry()),
                     control->metaObject()->className());
            auto* group = qobject_cast<QGroupBox*>(control);
            if (!group) {
                continue;
            }
            QVERIFY2(group->width() >= group->minimumSizeHint().width(),
                     qPrintable(group->title()));
            for (QWidget* inner : controls) {
                const QRect g = inner->geometry();
                if (inner != group && group->geometry().contains(g.center())) {
                    QVERIFY2(group->geometry().contains(g) &&
                                 g.top() > group->y() + group->fontMetrics().height(),
                             qPrintable(QString(inner->metaObject()->className()) + " " +
                                        inner->objectName() + " in " + group->title()));
                }
            }
        }
        for (auto* label : m_dlg->findChildren<QLabel*>()) {
            const QRect needed = label->fontMetrics().boundingRect(
                QRect(0, 0, label->contentsRect().width(), 10000),
                Qt::TextWordWrap | Qt::TextShowMnemonic, label->text());
            QVERIFY2(needed.width() <= label->contentsRect().width() &&
                         label->heightForWidth(label->width()) <= label->height(),
                     qPrintable(label->text()));
        }
        for (auto* button : m_dlg->findChildren<QPushButton*>()) {
            QStyleOptionButton option;
            option.initFrom(button);
            const int room = button->style()
                                 ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
                                 .width();
            QVERIFY2(room >= button->fontMetrics().horizontalAdvance(button->text().remove('&')),
                     qPrintable(button->text()));
        }
    }

    // A drag across the message box, delivered through the window, selects text.
    void messageTextSelectsByMouseDrag() {
        type("IDC_LOSS_LENGTH", "5");
        QPlainTextEdit* box = messages();
        QWidget* viewport = box->viewport();
        const int y = box->cursorRect(box->textCursor()).center().y();
        const QPoint from = viewport->mapTo(m_dlg.get(), QPoint(2, y));
        const QPoint to = viewport->mapTo(m_dlg.get(), QPoint(viewport->width() - 2, y));
        QCOMPARE(m_dlg->childAt(from), viewport);

        QWindow* window = m_dlg->windowHandle();
        QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(window, to);
        QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, to);

        QVERIFY(box->textCursor().hasSelection());
        QVERIFY(QString(kSwrLow).startsWith(box->textCursor().selectedText()));
        QCOMPARE(box->toPlainText(), QString(kSwrLow));
    }

    void window() {
        QCOMPARE(m_dlg->windowTitle(), QString("Varnholt Calculator"));
        const Qt::WindowFlags flags = m_dlg->windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Window);
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QCOMPARE(m_dlg->minimumSize(), m_dlg->maximumSize());
        QCOMPARE(m_dlg->size(),
                 QSize(m_dlg->DialogUnitsToPixelsX(231), m_dlg->DialogUnitsToPixelsY(217)));
        const QPoint offset =
            m_dlg->frameGeometry().center() - m_dlg->screen()->availableGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 2,
                 qPrintable(QString("off centre by %1,%2").arg(offset.x()).arg(offset.y())));
        const QList<QSize> sizes = m_dlg->windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)));
    }
};

VARNHOLT_TEST_MAIN(TestCalculatorDialog)
#include "tst_calculator_dialog.moc"
