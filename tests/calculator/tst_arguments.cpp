// Options that Qt would act on (-reverse, -style) and unknown ones never reach it: the program
// looks the same with or without them and sees only its own name. AfxWinMain makes and destroys
// its own QApplication, so each run below is a whole start and end of the application.
#include "cwinapp.h"

#include <QApplication>
#include <QStyle>
#include <cstdio>

namespace {

struct Seen {
    Qt::LayoutDirection direction = Qt::RightToLeft;
    QString style;
    QStringList arguments;
};

class ProbeApp : public CWinApp {
public:
    Seen seen;
    int runs = 0;

    BOOL InitInstance() override {
        ++runs;
        seen = {QApplication::layoutDirection(), QApplication::style()->name(),
                QCoreApplication::arguments()};
        return FALSE;
    }
};

int failures = 0;

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "FAIL: %s\n", what);
        ++failures;
    }
}

} // namespace

int main() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    char name[] = "varnholt";
    char reverse[] = "-reverse";
    char style[] = "-style";
    char windows[] = "windows";
    char anything[] = "--anything";
    char* plain[] = {name, nullptr};
    char* options[] = {name, reverse, style, windows, anything, nullptr};

    Check(AfxWinMain(1, plain) != 0, "without an application object the entry reports failure");

    ProbeApp app;
    Check(AfxWinMain(1, plain) == 0, "a run without options returns 0");
    const Seen bare = app.seen;
    Check(bare.style.compare("windows", Qt::CaseInsensitive) != 0,
          "the default style differs from the one the options ask for");

    Check(AfxWinMain(5, options) == 0, "a run with options returns 0");
    Check(app.runs == 2, "InitInstance ran once per start");
    Check(app.seen.direction == Qt::LeftToRight, "-reverse is ignored");
    Check(app.seen.style == bare.style, "-style is ignored");
    Check(app.seen.arguments == QStringList{"varnholt"}, "arguments() holds the name only");

    std::printf("%s: %d failure(s); style %s\n", failures ? "FAIL" : "PASS", failures,
                qPrintable(app.seen.style));
    return failures ? 1 : 0;
}
