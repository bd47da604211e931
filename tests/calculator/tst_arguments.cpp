// Options Qt would act on (-reverse, -style) and unknown ones never reach it: the program looks
// the same with them and sees only its own name. Each AfxWinMain call starts and ends the app.
#include "cwinapp.h"

#include <QApplication>
#include <QStyle>
#include <cstdio>

namespace {

class ProbeApp : public CWinApp {
public:
    Qt::LayoutDirection direction = Qt::RightToLeft;
    QString style;
    QStringList arguments;

    BOOL InitInstance() override {
        direction = QApplication::layoutDirection();
        style = QApplication::style()->name();
        arguments = QCoreApplication::arguments();
        return FALSE;
    }
};

} // namespace

int main() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    char name[] = "varnholt", reverse[] = "-reverse", style[] = "-style", windows[] = "windows",
         anything[] = "--anything";
    char* plain[] = {name, nullptr};
    char* options[] = {name, reverse, style, windows, anything, nullptr};

    int failures = 0;
    const auto Check = [&failures](bool ok, const char* what) {
        if (!ok) {
            std::fprintf(stderr, "FAIL: %s\n", what);
            ++failures;
        }
    };
    ProbeApp app;
    Check(AfxWinMain(1, plain) == 0, "a run without options returns 0");
    const QString bareStyle = app.style;
    Check(bareStyle.compare("windows", Qt::CaseInsensitive) != 0, "the default style is windows");
    app.style.clear();
    Check(AfxWinMain(5, options) == 0, "a run with options returns 0");
    Check(app.direction == Qt::LeftToRight, "-reverse is ignored");
    Check(app.style == bareStyle, "-style is ignored");
    Check(app.arguments == QStringList{"varnholt"}, "arguments() holds the name only");
    return failures ? 1 : 0;
}
