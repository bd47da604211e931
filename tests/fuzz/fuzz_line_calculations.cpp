// Feeds arbitrary bytes to both conversions. Every outcome must be one of the program's own
// texts, and every number must be read as strtod reads it in the "C" locale.
#include "line_calculations.h"
#include "number_text.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>
#include <string_view>

namespace {

// Every outcome is one of the program's own texts; a number goes with no message, "Currently
// incalculatable" with one, "Infinity" with or without.
void Check(const CalcOutcome& outcome) {
    static const std::regex result("[0-9]+\\.[0-9]{6}|Infinity|Currently incalculatable");
    static const std::regex message("|(Cable Length|SWR|dB/100m) must be greater than (0|1)|"
                                    "The current value is the border case\\.?");
    if (!std::regex_match(outcome.result, result) || !std::regex_match(outcome.message, message) ||
        (outcome.result[0] != 'I' && (outcome.result[0] <= '9') != outcome.message.empty())) {
        std::abort();
    }
}

// strtod also reads hexadecimal and the words inf and nan, which the calculator reads as 0;
// everything else must come out bit for bit the same, and be written as printf's "%f" writes it.
void CompareWithStrtod(std::string_view text) {
    const std::string copy(text.substr(0, text.find('\0')));
    const char* p = copy.c_str();
    while (*p == ' ' || (*p >= '\t' && *p <= '\r')) {
        ++p;
    }
    if (*p == '+' || *p == '-') {
        ++p;
    }
    if ((p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) ||
        (*p != '\0' && std::strchr("iInN", *p) != nullptr)) {
        return;
    }
    const double expected = std::strtod(copy.c_str(), nullptr);
    const double actual = ReadNumber(text);
    if (std::memcmp(&expected, &actual, sizeof expected) != 0) {
        std::abort();
    }
    static char printed[400];
    std::snprintf(printed, sizeof printed, "%f", expected);
    if (WriteFixed6(expected) != printed) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // The first byte splits the rest into the two input texts.
    const size_t split = size == 0 ? 0 : data[0] % size;
    const std::string_view first = input.substr(size == 0 ? 0 : 1, split);
    const std::string_view second = input.substr(std::min(size, size_t{1} + split));
    Check(CalcLossFromSwr(first, second));
    Check(CalcSwrFromLoss(first, second));
    CompareWithStrtod(first);
    CompareWithStrtod(second);
    return 0;
}
