// The framework's text type on Windows: UTF-8 inside, as the calculation library reads and
// writes it, and UTF-16 at the window system's boundary.
#pragma once

#include "win_defs.h"

#include <string>

class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}
    explicit CString(const std::string& utf8) : m_text(utf8) {}

    BOOL IsEmpty() const { return m_text.empty(); }
    std::string GetUtf8() const { return m_text; }
    // Replaces the text with string table entry `id` of the executable's resources; false (and
    // the empty text) if there is no such entry.
    BOOL LoadString(UINT id);

    std::wstring GetWide() const;
    static CString FromWide(const std::wstring& text);

    bool operator==(const CString& other) const { return m_text == other.m_text; }
    bool operator!=(const CString& other) const { return m_text != other.m_text; }

private:
    std::string m_text;
};
