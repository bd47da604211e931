// The headless backend's font: every character 6 pixels wide, lines 13 pixels high, so that
// layouts come out the same on every machine.
#pragma once

#include "text_metrics.h"
#include "utf8.h"

class HeadlessTextMetrics : public TextMetrics {
public:
    DialogBaseUnits BaseUnits() const override { return {6, 13}; }
    int TextWidth(std::string_view text) const override {
        return 6 * int(Utf8CharacterCount(text));
    }
};
