// The two feed-line conversions. A cable open- or short-circuited at its far end reflects
// everything sent into it, so the SWR seen at its near end depends on the cable's loss alone.
//
// Both functions take the texts exactly as the user typed them (UTF-8), read numbers from them
// the way the C library's atof does in the "C" locale, and never fail: every pair of texts gives
// a result text and a message text. They keep no state and do not depend on the process locale.
#pragma once

#include <string>
#include <string_view>

struct CalcOutcome {
    std::string result;  // text for the calculation's own result box
    std::string message; // text for the shared message box; empty on success
};

// Specific loss in dB per 100 m of a cable of the given length (m) that shows the given SWR.
CalcOutcome CalcLossFromSwr(std::string_view lengthText, std::string_view swrText);

// SWR at the near end of a cable of the given specific loss (dB per 100 m) and length (m).
CalcOutcome CalcSwrFromLoss(std::string_view lossText, std::string_view lengthText);
