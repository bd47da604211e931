#include "number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

double ReadNumber(std::string_view text) {
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end && IsSpace(*p)) {
        ++p;
    }
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }

    // Scan the mantissa and remember where its first significant digit stands relative to the
    // point; that decides overflow against underflow when the value is out of range.
    const char* const mantissa = p;
    long long magnitude = 0; // decimal position of the first nonzero digit (1 = units)
    bool sawDigit = false;
    bool sawNonzero = false;
    long long position = 0;
    while (p != end && IsDigit(*p)) {
        if (!sawNonzero && *p != '0') {
            sawNonzero = true;
            position = 0;
        }
        if (sawNonzero) {
            ++position;
        }
        sawDigit = true;
        ++p;
    }
    magnitude = position;
    if (p != end && *p == '.') {
        ++p;
        long long fractionZeros = 0;
        while (p != end && IsDigit(*p)) {
            if (!sawNonzero) {
                if (*p != '0') {
                    sawNonzero = true;
                    magnitude = -fractionZeros;
                } else {
                    ++fractionZeros;
                }
            }
            sawDigit = true;
            ++p;
        }
    }
    if (!sawDigit) {
        return 0.0; // no number here: atof reads 0 (and a lone sign or point is no number)
    }

    // An exponent counts only if at least one digit follows the e and its sign.
    long long exponent = 0;
    if (p != end && (*p == 'e' || *p == 'E')) {
        const char* q = p + 1;
        bool exponentNegative = false;
        if (q != end && (*q == '+' || *q == '-')) {
            exponentNegative = *q == '-';
            ++q;
        }
        if (q != end && IsDigit(*q)) {
            while (q != end && IsDigit(*q)) {
                if (exponent < 1'000'000'000) {
                    exponent = exponent * 10 + (*q - '0');
                }
                ++q;
            }
            if (exponentNegative) {
                exponent = -exponent;
            }
            p = q;
        }
    }

    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(mantissa, p, value, std::chars_format::general);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone when it is out of range; atof gives infinity on
        // overflow and zero on underflow.
        value =
            sawNonzero && magnitude + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (ec != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

std::string WriteFixed6(double value) {
    // The largest finite double has 309 integer digits; with sign, point and six decimals the
    // text stays below 330 characters.
    std::array<char, 330> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, 6);
    return std::string(buffer.data(), result.ptr);
}
