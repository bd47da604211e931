// Random edits over the calculator's four input boxes. After every edit, both result boxes and
// the message box must show what the calculation core gives for the boxes' current texts: a
// group's result comes from its own two inputs once one of them has changed, and the message
// from the group whose input changed last.
//
// A line edit reports a change when a selection is replaced by the same text (typing 8 over a
// selected 8, pasting it, undoing such a replacement), and the window then recalculates that
// group. Whether such an edit counts as a change is not the point here, so it makes its group
// one more candidate for the message's source; the next real change, or the message shown,
// settles the question again.
//
// The window's write-back must leave the input boxes alone: an edit of one box leaves the other
// three exactly as they were (text, caret, selection, undo history), and an edit that changed
// a box's text can be undone, which a box whose text was set anew could not.
//
// The run is reproducible: VARNHOLT_MONKEY_SEED and VARNHOLT_MONKEY_EDITS override the seed and
// the number of edits, and a failure names the seed, the edit and the edits before it.
#include "calculator_dialog.h"
#include "line_calculations.h"
#include "ui_test_support.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>
#include <algorithm>
#include <array>
#include <deque>
#include <random>

namespace {

constexpr quint64 kDefaultSeed = 20010611;
constexpr int kDefaultEdits = 20000;
// The longest text a paste brings; a line edit keeps at most its maxLength of it.
constexpr int kLongestPaste = 40000;

quint64 FromEnvironment(const char* name, quint64 fallback) {
    bool ok = false;
    const quint64 value = qEnvironmentVariable(name).toULongLong(&ok, 0);
    return ok ? value : fallback;
}

// The raw output of mt19937_64 is fixed by the standard; the standard distributions are not,
// so the few we need are made here and a seed gives the same run with every library.
class Random {
public:
    explicit Random(quint64 seed) : m_engine(seed) {}
    int Below(int n) { return static_cast<int>(m_engine() % static_cast<quint64>(n)); }
    bool Percent(int p) { return Below(100) < p; }
    template <typename T, std::size_t N> const T& Pick(const std::array<T, N>& items) {
        return items[static_cast<std::size_t>(Below(static_cast<int>(N)))];
    }
    QChar Pick(QStringView chars) { return chars[Below(static_cast<int>(chars.size()))]; }

private:
    std::mt19937_64 m_engine;
};

// What a person types: digits mostly, and everything else the number reader must cope with.
const QString kTypedChars = QStringLiteral("0123456789012345678901234567890123456789.,-+eE xa");
// Pasted texts add what cannot be typed as easily: other white space, letters from other
// scripts, digits that are not ASCII, a unit sign.
const QString kPastedChars =
    QStringLiteral("0123456789.,-+eE \t\n\r\v\fxinfa\u00a0\u00e4\u00bd\u0663\u20ac\u03a9");
// Whole tokens, so that pastes often hold numbers the conversions succeed or fail on.
const std::array<const char*, 22> kPastedTokens = {
    "1",     "1.5", "25", "12",  "0",   "-0",   "-3",  "1e17", "1e999", "-1e999", "1e-320",
    "0.001", "1,5", " 7", "7 m", "7e0", "0x1A", "inf", "nan",  "2.",    ".5",     "1e+2"};

QString RandomTyping(Random& random) {
    QString text;
    for (int n = 1 + random.Below(6); n > 0; --n) {
        text += random.Pick(kTypedChars);
    }
    return text;
}

QString RandomPaste(Random& random) {
    // Mostly short texts; now and then one up to the longest paste.
    const int length = random.Percent(2) ? random.Below(kLongestPaste + 1) : random.Below(25);
    QString text;
    text.reserve(length + 8);
    while (text.size() < length) {
        if (random.Percent(30)) {
            text += QString::fromLatin1(random.Pick(kPastedTokens));
        } else {
            text += random.Pick(kPastedChars);
        }
    }
    text.truncate(length);
    return text;
}

// A text short enough for a failure message.
QString Shorten(const QString& text) {
    QString shown =
        text.size() <= 48
            ? text
            : text.left(32) + QStringLiteral("...(%1 chars)...").arg(text.size()) + text.right(8);
    shown.replace(u'\n', QStringLiteral("\\n"));
    shown.replace(u'\t', QStringLiteral("\\t"));
    return u'"' + shown + u'"';
}

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* name;
};

// Keys that edit, move the caret or select; Enter must change nothing and close nothing. A key
// listed twice comes twice as often.
const std::array<Key, 24> kKeys = {{
    {Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
    {Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
    {Qt::Key_Delete, Qt::NoModifier, "Delete"},
    {Qt::Key_Backspace, Qt::ControlModifier, "Ctrl+Backspace"},
    {Qt::Key_Delete, Qt::ControlModifier, "Ctrl+Delete"},
    {Qt::Key_Left, Qt::NoModifier, "Left"},
    {Qt::Key_Right, Qt::NoModifier, "Right"},
    {Qt::Key_Home, Qt::NoModifier, "Home"},
    {Qt::Key_End, Qt::NoModifier, "End"},
    {Qt::Key_Left, Qt::ShiftModifier, "Shift+Left"},
    {Qt::Key_Right, Qt::ShiftModifier, "Shift+Right"},
    {Qt::Key_Home, Qt::ShiftModifier, "Shift+Home"},
    {Qt::Key_End, Qt::ShiftModifier, "Shift+End"},
    {Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+Left"},
    {Qt::Key_Right, Qt::ControlModifier, "Ctrl+Right"},
    {Qt::Key_A, Qt::ControlModifier, "Ctrl+A"},
    {Qt::Key_A, Qt::ControlModifier, "Ctrl+A"},
    {Qt::Key_X, Qt::ControlModifier, "Ctrl+X"},
    {Qt::Key_X, Qt::ControlModifier, "Ctrl+X"},
    {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
    {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
    {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+Z"},
    {Qt::Key_Y, Qt::ControlModifier, "Ctrl+Y"},
    {Qt::Key_Return, Qt::NoModifier, "Enter"},
}};

struct Edit {
    QString description;
    bool undo = false; // an undo may leave nothing more to undo
};

// Carries out one random edit on the box.
Edit RandomEdit(Random& random, QLineEdit* box) {
    const int kind = random.Below(100);
    if (kind < 40) {
        const QString text = RandomTyping(random);
        QTest::keyClicks(box, text);
        return {"type " + Shorten(text)};
    }
    if (kind < 55) {
        const QString text = RandomPaste(random);
        QApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        return {"paste " + Shorten(text)};
    }
    // Every edit of a box with a long text lays all of it out again: such boxes are emptied
    // more often, which keeps the run short and still edits long texts a few hundred times.
    if (kind < 60 || (box->text().size() > 1000 && random.Percent(20))) {
        // Empties the box the way a person does.
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        return {QStringLiteral("Ctrl+A, Delete")};
    }
    const Key& key = random.Pick(kKeys);
    QTest::keyClick(box, key.key, key.modifiers);
    return {QString::fromLatin1(key.name),
            key.key == Qt::Key_Z && key.modifiers == Qt::ControlModifier};
}

// What an edit of another box must not change.
struct BoxState {
    QString text;
    int cursor;
    int selectionStart;
    QString selection;
    bool undo;
    bool redo;

    static BoxState Of(const QLineEdit* box) {
        return {box->text(),         box->cursorPosition(),  box->selectionStart(),
                box->selectedText(), box->isUndoAvailable(), box->isRedoAvailable()};
    }
    bool operator!=(const BoxState& other) const {
        return text != other.text || cursor != other.cursor ||
               selectionStart != other.selectionStart || selection != other.selection ||
               undo != other.undo || redo != other.redo;
    }
};

QString Text(const QLineEdit* box) {
    return box ? box->text() : QString();
}

CalcOutcome Outcome(CalcOutcome (*calculation)(std::string_view, std::string_view),
                    const QLineEdit* first, const QLineEdit* second) {
    return calculation(Text(first).toStdString(), Text(second).toStdString());
}

} // namespace

class CalculatorMonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VERIFY_NO_WINDOW_OPEN(); }

    void randomEditsKeepResultsAndMessageInStep() {
        const quint64 seed = FromEnvironment("VARNHOLT_MONKEY_SEED", kDefaultSeed);
        const int edits = static_cast<int>(FromEnvironment("VARNHOLT_MONKEY_EDITS", kDefaultEdits));
        qInfo("monkey: seed %llu (VARNHOLT_MONKEY_SEED), %d edits (VARNHOLT_MONKEY_EDITS)",
              static_cast<unsigned long long>(seed), edits);

        CCalculatorDialog dialog;
        QVERIFY(dialog.Create());
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto box = [&](const char* name) { return dialog.findChild<QLineEdit*>(name); };
        QLineEdit* lossLength = box("IDC_LOSS_LENGTH");
        QLineEdit* lossSwr = box("IDC_LOSS_SWR");
        QLineEdit* lossResult = box("IDC_LOSS_RESULT");
        QLineEdit* swrLoss = box("IDC_SWR_LOSS");
        QLineEdit* swrLength = box("IDC_SWR_LENGTH");
        QLineEdit* swrResult = box("IDC_SWR_RESULT");
        auto* messages = dialog.findChild<QPlainTextEdit*>("IDC_MESSAGES");
        QVERIFY(lossLength && lossSwr && lossResult && swrLoss && swrLength && swrResult &&
                messages);

        struct Input {
            QLineEdit* box;
            int group; // 0: loss from SWR, 1: SWR from loss
        };
        const std::array<Input, 4> inputs = {
            {{lossLength, 0}, {lossSwr, 0}, {swrLoss, 1}, {swrLength, 1}}};
        // Nothing is calculated before the first change of a group's input.
        std::array<bool, 2> changed = {false, false};
        // The groups whose message the message box may show, as bits: kNone before any change.
        constexpr unsigned kNone = 1, kLoss = 2, kSwr = 4;
        unsigned sources = kNone;
        std::array<bool, 2> notified = {false, false};
        for (const Input& input : inputs) {
            connect(input.box, &QLineEdit::textChanged, this,
                    [&notified, group = input.group]() { notified[group] = true; });
        }
        int changingEdits = 0;
        int sameTextEdits = 0;
        int numericResults = 0;
        int longTextEdits = 0;
        qsizetype longestText = 0;

        Random random(seed);
        std::deque<QString> recent;
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < edits; ++i) {
            const Input& input = random.Pick(inputs);
            if (!input.box->hasFocus()) {
                input.box->setFocus(Qt::MouseFocusReason);
            }
            std::array<BoxState, 4> untouched;
            for (std::size_t b = 0; b < inputs.size(); ++b) {
                untouched[b] = BoxState::Of(inputs[b].box);
            }
            const QString before = input.box->text();
            longTextEdits += before.size() > 1000;
            notified = {false, false};
            const Edit edit = RandomEdit(random, input.box);
            recent.push_back(QStringLiteral("#%1 %2: ").arg(i).arg(input.box->objectName()) +
                             edit.description);
            if (recent.size() > 8) {
                recent.pop_front();
            }

            QStringList problems;
            const unsigned source = input.group == 0 ? kLoss : kSwr;
            if (input.box->text() != before) {
                changed[input.group] = true;
                sources = source;
                ++changingEdits;
                longestText = std::max(longestText, input.box->text().size());
                if (!edit.undo && !input.box->isUndoAvailable()) {
                    problems << input.box->objectName() +
                                    " was set anew: its edit cannot be undone";
                }
            } else if (notified[input.group]) {
                sources |= source;
                ++sameTextEdits;
            }
            for (std::size_t b = 0; b < inputs.size(); ++b) {
                if (inputs[b].box != input.box && BoxState::Of(inputs[b].box) != untouched[b]) {
                    problems << inputs[b].box->objectName() + " changed (text, caret, selection or "
                                                              "undo) by an edit of another box";
                }
            }

            const CalcOutcome loss = Outcome(CalcLossFromSwr, lossLength, lossSwr);
            const CalcOutcome swr = Outcome(CalcSwrFromLoss, swrLoss, swrLength);
            const QString wantLoss = changed[0] ? QString::fromStdString(loss.result) : "";
            const QString wantSwr = changed[1] ? QString::fromStdString(swr.result) : "";
            const QString message = messages->toPlainText();
            unsigned matching = 0;
            QStringList wantMessages;
            for (const auto& [bit, text] : {std::pair{kNone, QString()},
                                            std::pair{kLoss, QString::fromStdString(loss.message)},
                                            std::pair{kSwr, QString::fromStdString(swr.message)}}) {
                if (sources & bit) {
                    wantMessages << Shorten(text);
                    matching |= message == text ? bit : 0;
                }
            }
            sources = matching;
            if (lossResult->text() != wantLoss) {
                problems << "IDC_LOSS_RESULT = " + Shorten(lossResult->text()) + ", want " +
                                Shorten(wantLoss);
            }
            if (swrResult->text() != wantSwr) {
                problems << "IDC_SWR_RESULT = " + Shorten(swrResult->text()) + ", want " +
                                Shorten(wantSwr);
            }
            if (matching == 0) {
                problems << "IDC_MESSAGES = " + Shorten(message) + ", want " +
                                wantMessages.join(" or ");
            }
            if (!dialog.isVisible()) {
                problems << QStringLiteral("the window has closed");
            }
            if (!problems.isEmpty()) {
                QStringList report;
                report
                    << QStringLiteral("seed %1, after edit %2; the last edits:").arg(seed).arg(i);
                report.append(QStringList(recent.begin(), recent.end()));
                for (const Input& in : inputs) {
                    report << in.box->objectName() + " = " + Shorten(in.box->text());
                }
                report.append(problems);
                QFAIL(qPrintable(report.join("\n   ")));
            }
            for (const QString& result : {wantLoss, wantSwr}) {
                numericResults += !result.isEmpty() && (result[0].isDigit() || result[0] == u'-');
            }
        }
        qInfo("monkey: %d edits in %lld ms; %d changed a box, %d replaced a text by the same, "
              "%d on a text of over 1000 characters (longest %lld), %d numeric results seen",
              edits, static_cast<long long>(timer.elapsed()), changingEdits, sameTextEdits,
              longTextEdits, static_cast<long long>(longestText), numericResults);
        dialog.EndDialog(IDCANCEL);
    }
};

VARNHOLT_TEST_MAIN(CalculatorMonkeyTest)
#include "tst_calculator_monkey.moc"
