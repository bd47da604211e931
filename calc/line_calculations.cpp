#include "line_calculations.h"

#include "number_text.h"

#include <cmath>

namespace {

const char kIncalculable[] = "Currently incalculatable";
const char kInfinity[] = "Infinity";
const char kLengthBelowZero[] = "Cable Length must be greater than 0";
const char kSwrBelowOne[] = "SWR must be greater than 1";
const char kLossBelowZero[] = "dB/100m must be greater than 0";
// A zero length ends in a full stop; an SWR of exactly 1 or a loss of exactly 0 does not.
const char kLengthBorder[] = "The current value is the border case.";
const char kValueBorder[] = "The current value is the border case";

// A finite result in "%f" form; an infinite one (a vanishing loss or length) as "Infinity".
CalcOutcome Success(double value) {
    if (std::isinf(value)) {
        return {kInfinity, ""};
    }
    return {WriteFixed6(value), ""};
}

} // namespace

CalcOutcome CalcLossFromSwr(std::string_view lengthText, std::string_view swrText) {
    const double length = ReadNumber(lengthText);
    const double swr = ReadNumber(swrText);

    // The comparisons are written so that a value that is not a number fails them.
    if (!(length >= 0)) {
        return {kIncalculable, kLengthBelowZero};
    }
    if (length == 0) {
        return {kInfinity, kLengthBorder};
    }
    if (!(swr >= 1)) {
        return {kIncalculable, kSwrBelowOne};
    }
    if (swr == 1) {
        return {kInfinity, kValueBorder};
    }

    // An infinite SWR means a lossless line; (S + 1) / (S - 1) would be infinity / infinity.
    const double ratio = std::isinf(swr) ? 1.0 : (swr + 1) / (swr - 1);
    const double loss = (std::log10(ratio) * 1000) / length;
    return Success(loss);
}

CalcOutcome CalcSwrFromLoss(std::string_view lossText, std::string_view lengthText) {
    const double loss = ReadNumber(lossText);
    const double length = ReadNumber(lengthText);

    if (!(loss >= 0)) {
        return {kIncalculable, kLossBelowZero};
    }
    if (loss == 0) {
        return {kInfinity, kValueBorder};
    }
    if (!(length >= 0)) {
        return {kIncalculable, kLengthBelowZero};
    }
    if (length == 0) {
        return {kInfinity, kLengthBorder};
    }

    // m is the factor by which the wave's amplitude falls on the way out and back.
    const double exponent = (loss * length) * 0.001;
    const double m = std::pow(10.0, exponent);
    // Where m overflows, the reflected wave has vanished and the SWR is 1 to within rounding;
    // (m + 1) / (m - 1) would be infinity / infinity.
    const double swr = std::isinf(m) ? 1.0 : (m + 1) / (m - 1);
    return Success(swr);
}
