#include "cstring.h"

BOOL CString::LoadString(UINT id) {
    // With a buffer size of 0 the system hands out the read-only resource text itself.
    const wchar_t* text = nullptr;
    const int length =
        ::LoadStringW(::GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    *this = FromWide(std::wstring(text ? text : L"", length > 0 ? length : 0));
    return !IsEmpty();
}

std::wstring CString::GetWide() const {
    const int length =
        ::MultiByteToWideChar(CP_UTF8, 0, m_text.data(), int(m_text.size()), nullptr, 0);
    std::wstring wide(length, L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, m_text.data(), int(m_text.size()), wide.data(), length);
    return wide;
}

CString CString::FromWide(const std::wstring& text) {
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0,
                                             nullptr, nullptr);
    std::string utf8(length, '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), utf8.data(), length, nullptr,
                          nullptr);
    return CString(utf8);
}
