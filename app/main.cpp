// The process entry: the version for Qt, then the framework's entry with the global
// application object.
#include "cwinapp.h"
#include "version.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationVersion(QStringLiteral(VARNHOLT_VERSION));
    return AfxWinMain(argc, argv);
}
