// Microseconds the calculator window takes for one keystroke and for starting up to its first
// paint, each beside plain Qt doing the same visible work in the same run: a line edit whose
// change sets another line edit's text, and a QDialog with the same controls. Runs on the
// offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include "bare_qt_dialog.h"
#include "calculator_dialog.h"
#include "cwinapp.h"
#include "line_calculations.h"
#include "program_module.h"
#include "ratio_reporter.h"
#include "resource.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

constexpr int kWaitMs = 5000; // longest wait for a window to show or paint
// Keys between two visits of the event loop (untimed), so that repaints and posted events do
// not pile up during a run, as they would not between a user's keystrokes.
constexpr benchmark::IterationCount kKeysPerEventLoopVisit = 64;

// Notes the first paint of the widget it filters.
class PaintWatcher : public QObject {
public:
    bool painted = false;

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted = true;
        }
        return false;
    }
};

// Runs the event loop until the window that `watcher` filters, shown just before, has had its
// first paint delivered. The whole window is painted in the same pass, children included, so
// when this returns the first frame is complete.
bool WaitForFirstPaint(const PaintWatcher& watcher) {
    QElapsedTimer waited;
    waited.start();
    while (!watcher.painted) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (waited.elapsed() > kWaitMs) {
            return false;
        }
    }
    return true;
}

// The calculator window, built, shown and painted once.
bool ShowCalculator() {
    PaintWatcher watcher;
    auto dialog = std::make_unique<CCalculatorDialog>();
    dialog->Create();
    dialog->m_hWnd->installEventFilter(&watcher); // painted once the event loop runs
    return WaitForFirstPaint(watcher);
}

bool ShowBaseline() {
    PaintWatcher watcher;
    std::unique_ptr<QDialog> dialog = MakeBaselineDialog();
    dialog->installEventFilter(&watcher);
    dialog->show();
    return WaitForFirstPaint(watcher);
}

// Start-up: build the window, show it, wait for its first paint, destroy it.
void StartupToFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        if (!ShowCalculator()) {
            state.SkipWithError("the calculator window was not painted");
            break;
        }
    }
}

void StartupToFirstPaintBaseline(benchmark::State& state) {
    for (auto _ : state) {
        if (!ShowBaseline()) {
            state.SkipWithError("the plain dialog was not painted");
            break;
        }
    }
}

// Types into `edit` of the shown, active `window`: a digit, then Backspace, and so on, one
// key per iteration, so the box's text alternates between what it held and that plus "0".
void TypeDigitAndBackspace(benchmark::State& state, QWidget& window, QLineEdit& edit) {
    if (!QTest::qWaitForWindowActive(&window, kWaitMs) || QApplication::focusWidget() != &edit) {
        state.SkipWithError("the window did not become active with the focus in its box");
        return;
    }
    // state.iterations() does not advance inside a range-for loop; count the keys here.
    benchmark::IterationCount keys = 0;
    for (auto _ : state) {
        QTest::keyClick(&edit, (keys & 1) ? Qt::Key_Backspace : Qt::Key_0);
        if (++keys % kKeysPerEventLoopVisit == 0) {
            state.PauseTiming();
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
    }
}

void Keystroke(benchmark::State& state) {
    CCalculatorDialog dialog;
    dialog.Create();
    QWidget& window = *dialog.m_hWnd;
    auto* swr = window.findChild<QLineEdit*>("IDC_LOSS_SWR");
    auto* length = window.findChild<QLineEdit*>("IDC_LOSS_LENGTH");
    auto* result = window.findChild<QLineEdit*>("IDC_LOSS_RESULT");
    if (!swr || !length || !result) {
        state.SkipWithError("the calculator window lacks its loss boxes");
        return;
    }
    swr->setFocus();
    QTest::keyClicks(swr, "1.5");
    length->setFocus();
    QTest::keyClicks(length, "1");

    TypeDigitAndBackspace(state, window, *length);

    // Every key must have reached the box and been written back, or the run measured nothing.
    const std::string lengthText = length->text().toStdString();
    const std::string expected = CalcLossFromSwr(lengthText, "1.5").result;
    if ((lengthText != "1" && lengthText != "10") || result->text().toStdString() != expected) {
        state.SkipWithError("the keys did not reach the length box or were not calculated");
    }
    dialog.EndDialog(IDCANCEL);
}

void KeystrokeBaseline(benchmark::State& state) {
    QWidget window;
    auto* input = new QLineEdit(&window);
    auto* output = new QLineEdit(&window);
    output->setReadOnly(true);
    output->move(0, input->sizeHint().height());
    QObject::connect(input, &QLineEdit::textChanged, output, [output](const QString& text) {
        output->setText(QString::number(text.toDouble() * 0.5, 'f', 6));
    });
    window.show();
    input->setFocus();
    QTest::keyClicks(input, "1");

    TypeDigitAndBackspace(state, window, *input);

    if (output->text() != QString::number(input->text().toDouble() * 0.5, 'f', 6)) {
        state.SkipWithError("the keys did not reach the box");
    }
    window.hide();
}

BENCHMARK(Keystroke)->Unit(benchmark::kMicrosecond);
BENCHMARK(KeystrokeBaseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(StartupToFirstPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(StartupToFirstPaintBaseline)->Unit(benchmark::kMicrosecond);

template <typename T> long long CountControls(const QWidget& window) {
    return window.findChildren<T*>(QString(), Qt::FindDirectChildrenOnly).size();
}

QString DescribeControls(const QWidget& window) {
    return QString::asprintf(
        "%lld group boxes, %lld labels, %lld line edits, %lld text boxes, %lld buttons",
        CountControls<QGroupBox>(window), CountControls<QLabel>(window),
        CountControls<QLineEdit>(window), CountControls<QPlainTextEdit>(window),
        CountControls<QPushButton>(window));
}

// The comparison is only fair if both windows hold the same controls.
bool SameControls() {
    CCalculatorDialog calculator;
    calculator.Create();
    const QWidget& window = *calculator.m_hWnd;
    const std::unique_ptr<QDialog> baseline = MakeBaselineDialog();
    const QString ours = DescribeControls(window) + ", font " + window.font().toString();
    const QString theirs = DescribeControls(*baseline) + ", font " + baseline->font().toString();
    calculator.EndDialog(IDCANCEL);
    if (ours != theirs) {
        std::fprintf(stderr, "calculator: %s\nbaseline:   %s\n", qPrintable(ours),
                     qPrintable(theirs));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Qt sees the program's name only; the command line is Google Benchmark's.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication application(qtArgc, qtArgv);
    AfxRegisterModule(&ProgramModule());

    RatioReporter reporter({{"Keystroke", "KeystrokeBaseline", 3.0},
                            {"StartupToFirstPaint", "StartupToFirstPaintBaseline", 1.1}},
                           argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }

    if (!SameControls()) {
        std::fprintf(stderr, "the plain dialog does not match the calculator window\n");
        return 1;
    }
    // Fonts, style and platform are loaded once per process; neither side pays for that.
    if (!ShowCalculator() || !ShowBaseline()) {
        std::fprintf(stderr, "a window was not painted\n");
        return 1;
    }

    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
