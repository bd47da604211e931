// The framework's text type: a QString that can also be loaded from the string table.
#pragma once

#include "win_defs.h"

#include <QString>
#include <string>

class CString : public QString {
public:
    CString() = default;
    CString(const QString& other) : QString(other) {}
    CString(const char* text) : QString(QString::fromUtf8(text)) {}
    explicit CString(const std::string& utf8) : QString(QString::fromStdString(utf8)) {}

    BOOL IsEmpty() const { return isEmpty(); }
    // The text in UTF-8, as the calculation library reads it.
    std::string GetUtf8() const { return toStdString(); }

    // Replaces the text with string table entry `id`; false (and the empty text) if there is
    // no such entry.
    BOOL LoadString(UINT id);
};
