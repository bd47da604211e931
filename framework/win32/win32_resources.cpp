// The program's resources as Windows keeps them: in the executable.
#include "cdialog.h"
#include "win32_text.h"

BOOL CString::LoadString(UINT nID) {
    // With a buffer size of 0 the system hands out the read-only resource text itself.
    const wchar_t* text = nullptr;
    const int length =
        ::LoadStringW(::GetModuleHandleW(nullptr), nID, reinterpret_cast<LPWSTR>(&text), 0);
    *this = length > 0 ? Narrow(text, length) : CString();
    return !IsEmpty();
}

HICON AfxLoadIcon(UINT nID) {
    return ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(nID));
}
