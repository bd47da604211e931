// The process entry of the page: the framework's entry, which runs the program's one global
// application object; then the page says that the program has ended.
#include "cwinapp.h"
#include "web_dom.h"

int main() {
    const int code = AfxWinMain(0, nullptr);
    web_ended(code);
    return code;
}
