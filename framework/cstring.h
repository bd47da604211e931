// The framework's text type: a QString that can also be loaded from the string table.
#pragma once

#include "win_defs.h"

#include <QString>

class CString : public QString {
public:
    CString() = default;
    CString(const QString& other) : QString(other) {}
    CString(const char* text) : QString(QString::fromUtf8(text)) {}

    // Replaces the text with string table entry `id`; false (and the empty text) if there is
    // no such entry.
    BOOL LoadString(UINT id);
};
