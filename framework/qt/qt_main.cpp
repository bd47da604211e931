// The process entry, which the framework supplies as the window system's own runtime does: the
// program's version and desktop entry for Qt, then the framework's entry, which runs the
// program's one global application object.
#include "cwinapp.h"
#include "version.h"

#include <QCoreApplication>
#include <QGuiApplication>

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationVersion(QStringLiteral(VARNHOLT_VERSION));
    // Lets the desktop match the window to the installed entry and its icon (the Wayland
    // application id); the entry's name differs from the executable's.
    QGuiApplication::setDesktopFileName(QStringLiteral(VARNHOLT_APP_ID));
    return AfxWinMain(argc, argv);
}
