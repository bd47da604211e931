// The process entry, which the framework supplies as the window system's own runtime does: the
// program's version and desktop entry for Qt, from the module it registered, then the framework's
// entry, which runs the program's one global application object.
#include "cwinapp.h"
#include "module.h"

#include <QCoreApplication>
#include <QGuiApplication>

int main(int argc, char* argv[]) {
    const AfxModule& module = AfxGetModule();
    QCoreApplication::setApplicationVersion(QString::fromUtf8(module.version));
    // Lets the desktop match the window to the installed entry and its icon (the Wayland
    // application id); the entry's name differs from the executable's.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(module.appId));
    return AfxWinMain(argc, argv);
}
