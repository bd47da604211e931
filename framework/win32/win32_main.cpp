// The process entry of the Windows program: the command line is not read.
#include "cwinapp.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return AfxWinMain(0, nullptr);
}
