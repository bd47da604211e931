// The framework's text: a value, UTF-8 inside as the calculation library reads and writes it;
// each backend converts at its window system's boundary.
#pragma once

#include "vocabulary.h"

#include <string>
#include <utility>

class CString {
public:
    CString() = default;
    // UTF-8 text; nullptr gives the empty text.
    CString(const char* psz) : m_text(psz ? psz : "") {}
    explicit CString(std::string utf8) : m_text(std::move(utf8)) {}

    BOOL IsEmpty() const { return m_text.empty(); }
    const std::string& GetUtf8() const { return m_text; }

    // Replaces the text with entry nID of the program's string table; FALSE (and the empty
    // text) if there is no such entry, from where the window system keeps the program's
    // resources.
    BOOL LoadString(UINT nID);

    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator!=(const CString& a, const CString& b) { return a.m_text != b.m_text; }

private:
    std::string m_text;
};
