// The calculation tests name their locales as glibc does ("de_DE.UTF-8"); the Windows C runtime
// knows the same locale as "German_Germany.1252". Linked with --wrap=setlocale, this maps the
// one name to the other and leaves every other call as it is.
#include <clocale>
#include <cstring>

extern "C" char* __real_setlocale(int category, const char* name);

extern "C" char* __wrap_setlocale(int category, const char* name) {
    const bool german = name && std::strcmp(name, "de_DE.UTF-8") == 0;
    return __real_setlocale(category, german ? "German_Germany.1252" : name);
}
