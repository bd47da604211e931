// The layout's font on the page: a window's client font, as the page's canvas measures it.
#pragma once

#include "text_metrics.h"

class WebTextMetrics : public TextMetrics {
public:
    // Measured once: the page's font does not change while it runs.
    DialogBaseUnits BaseUnits() const override;
    int TextWidth(std::string_view text) const override;
};
