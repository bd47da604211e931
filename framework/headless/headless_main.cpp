// The process entry of a headless program: the framework's entry, which runs the program's one
// global application object. With no input queued, its first modal run ends at once.
#include "cwinapp.h"

int main() {
    return AfxWinMain(0, nullptr);
}
