// Random edits over the calculator's four input boxes: after every edit both result boxes and the
// message box must show what the calculation core gives for the boxes' current texts. The run is
// reproducible: VARNHOLT_MONKEY_SEED and VARNHOLT_MONKEY_EDITS override the seed and edit count.
#include "calculator_dialog.h"
#include "line_calculations.h"
#include "test_support.h"

#include <QClipboard>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <array>
#include <random>

namespace {

quint64 FromEnvironment(const char* name, quint64 fallback) {
    bool ok = false;
    const quint64 value = qEnvironmentVariable(name).toULongLong(&ok, 0);
    return ok ? value : fallback;
}

// mt19937_64's output is fixed by the standard, its distributions are not: these few are our
// own, so that a seed gives the same run with every library.
class Random {
public:
    explicit Random(quint64 seed) : m_engine(seed) {}
    int Below(int n) { return static_cast<int>(m_engine() % static_cast<quint64>(n)); }
    bool Percent(int p) { return Below(100) < p; }
    template <typename List> auto Pick(const List& items) {
        return items[Below(static_cast<int>(items.size()))];
    }

private:
    std::mt19937_64 m_engine;
};

const QString kTypedChars = QStringLiteral("0123456789012345678901234567890123456789.,-+eE xa");
// Pastes add other white space, letters of other scripts, non-ASCII digits and whole tokens.
const QString kPastedChars =
    QStringLiteral("0123456789.,-+eE \t\n\r\v\fxinfa\u00a0\u00e4\u00bd\u0663\u20ac\u03a9");
const QStringList kPastedTokens = {
    "1",     "1.5", "25", "12",  "0",   "-0",   "-3",  "1e17", "1e999", "-1e999", "1e-320",
    "0.001", "1,5", " 7", "7 m", "7e0", "0x1A", "inf", "nan",  "2.",    ".5",     "1e+2"};

// Keys that edit, move the caret or select; Enter must change nothing. Doubled: twice as often.
const QStringList kKeys =
    QStringLiteral("Backspace Backspace Del Ctrl+Backspace Ctrl+Del Left Right Home End Shift+Left "
                   "Shift+Right Shift+Home Shift+End Ctrl+Shift+Left Ctrl+Right Ctrl+A Ctrl+A "
                   "Ctrl+X Ctrl+X Ctrl+Z Ctrl+Z Ctrl+Shift+Z Ctrl+Y Return")
        .split(u' ');

QString RandomText(Random& random, int length, QStringView chars, bool tokens) {
    QString text;
    while (text.size() < length) {
        if (tokens && random.Percent(30)) {
            text += random.Pick(kPastedTokens);
        } else {
            text += random.Pick(chars);
        }
    }
    text.truncate(length);
    return text;
}

// A text short enough for a failure message.
QString Shorten(const QString& text) {
    return text.size() <= 48
               ? u'"' + text + u'"'
               : QStringLiteral("\"%1...\" (%2 chars)").arg(text.left(32)).arg(text.size());
}

// Carries out one random edit on the box and says what it was.
QString RandomEdit(Random& random, QLineEdit* box) {
    const int kind = random.Below(100);
    if (kind < 40) {
        const QString text = RandomText(random, 1 + random.Below(6), kTypedChars, false);
        QTest::keyClicks(box, text);
        return "type " + Shorten(text);
    }
    if (kind < 55) {
        const int length = random.Percent(2) ? random.Below(40001) : random.Below(25);
        const QString text = RandomText(random, length, kPastedChars, true);
        QApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        return "paste " + Shorten(text);
    }
    // Every edit lays a long text out again: emptying long boxes more often keeps the run short.
    if (kind < 60 || (box->text().size() > 1000 && random.Percent(20))) {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        return QStringLiteral("Ctrl+A, Delete");
    }
    const QString name = random.Pick(kKeys);
    const QKeyCombination key = QKeySequence(name)[0];
    QTest::keyClick(box, key.key(), key.keyboardModifiers());
    return name;
}

} // namespace

class CalculatorMonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VERIFY_NO_WINDOW_OPEN(); }

    // Catches results or a message out of step with the inputs, a closed window, and crashes.
    void randomEditsKeepResultsAndMessageInStep() {
        const quint64 seed = FromEnvironment("VARNHOLT_MONKEY_SEED", 20010611);
        const int edits = static_cast<int>(FromEnvironment("VARNHOLT_MONKEY_EDITS", 20000));
        qInfo("monkey: seed %llu (VARNHOLT_MONKEY_SEED), %d edits (VARNHOLT_MONKEY_EDITS)",
              static_cast<unsigned long long>(seed), edits);

        CCalculatorDialog dialog;
        QVERIFY(dialog.Create());
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto box = [&](const char* name) { return dialog.findChild<QLineEdit*>(name); };
        // Group 0 (the first two) gives the loss from the SWR, group 1 the SWR from the loss.
        const std::array<QLineEdit*, 4> inputs = {box("IDC_LOSS_LENGTH"), box("IDC_LOSS_SWR"),
                                                  box("IDC_SWR_LOSS"), box("IDC_SWR_LENGTH")};
        const std::array<QLineEdit*, 2> results = {box("IDC_LOSS_RESULT"), box("IDC_SWR_RESULT")};
        auto* messages = dialog.findChild<QPlainTextEdit*>("IDC_MESSAGES");
        QVERIFY(inputs[0] && inputs[1] && inputs[2] && inputs[3] && results[0] && results[1] &&
                messages);
        auto outcome = [&](int group) {
            auto text = [&](int i) { return inputs[2 * group + i]->text().toStdString(); };
            return (group == 0 ? CalcLossFromSwr : CalcSwrFromLoss)(text(0), text(1));
        };

        // A group shows no result before its first change.
        std::array<bool, 2> changed = {false, false};
        // The messages the box may show, as bits: 1 none yet, 2 << g group g's. A selection
        // replaced by the same text may recalculate or not; the next real change decides.
        unsigned sources = 1;
        Random random(seed);
        for (int i = 0; i < edits; ++i) {
            const int index = random.Below(4), group = index / 2;
            QLineEdit* input = inputs[static_cast<std::size_t>(index)];
            if (!input->hasFocus()) {
                input->setFocus(Qt::MouseFocusReason);
            }
            const QString before = input->text();
            QSignalSpy notified(input, &QLineEdit::textChanged);
            const QString edit = RandomEdit(random, input);
            if (input->text() != before) {
                changed[group] = true;
                sources = 2u << group;
            } else if (!notified.isEmpty()) {
                sources |= 2u << group;
            }

            auto failure = [&](const QString& problem) {
                QStringList texts;
                for (const QLineEdit* in : inputs) {
                    texts << Shorten(in->text());
                }
                return QStringLiteral("seed %1, edit #%2: %3 in %4; inputs %5; %6")
                    .arg(seed)
                    .arg(i)
                    .arg(edit, input->objectName(), texts.join(u' '), problem);
            };
            const std::array<CalcOutcome, 2> want = {outcome(0), outcome(1)};
            const QString message = messages->toPlainText();
            QStringList allowed;
            unsigned matching = 0;
            for (unsigned s = 0; s < 3; ++s) {
                const QString text = s == 0 ? "" : QString::fromStdString(want[s - 1].message);
                if (sources & (1u << s)) {
                    allowed << Shorten(text);
                    matching |= message == text ? 1u << s : 0u;
                }
            }
            if ((sources = matching) == 0) {
                QFAIL(qPrintable(failure("IDC_MESSAGES = " + Shorten(message) + ", want " +
                                         allowed.join(" or "))));
            }
            for (std::size_t g = 0; g < 2; ++g) {
                const QString result = changed[g] ? QString::fromStdString(want[g].result) : "";
                if (results[g]->text() != result) {
                    QFAIL(qPrintable(failure(results[g]->objectName() + " = " +
                                             Shorten(results[g]->text()) + ", want " +
                                             Shorten(result))));
                }
            }
            if (!dialog.isVisible()) {
                QFAIL(qPrintable(failure("the window has closed")));
            }
        }
        dialog.EndDialog(IDCANCEL);
    }
};

VARNHOLT_TEST_MAIN(CalculatorMonkeyTest)
#include "tst_calculator_monkey.moc"
