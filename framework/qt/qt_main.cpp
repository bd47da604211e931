// The process entry of the Qt program: the framework's entry, which starts Qt and runs the
// program's one global application object.
#include "cwinapp.h"

int main(int argc, char* argv[]) {
    return AfxWinMain(argc, argv);
}
