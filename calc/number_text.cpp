#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The correctly rounded value of the unsigned decimal number in [first, last), which has digits
// and is nothing else. `huge` says whether an out-of-range number is too large (else too small).
#if defined(__cpp_lib_to_chars)
double ConvertDecimal(const char* first, const char* last, bool huge) {
    double value = 0.0;
    const std::errc error = std::from_chars(first, last, value, std::chars_format::general).ec;
    if (error == std::errc::result_out_of_range) {
        // from_chars leaves the value alone when it is out of range; atof gives infinity on
        // overflow and zero on underflow.
        return huge ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return error == std::errc() ? value : 0.0;
}
#else
// Where the standard library cannot read a double, its C library does: strtod rounds correctly,
// gives infinity on overflow and zero or a subnormal on underflow, exactly as from_chars above.
// The text is decimal and has a point at the most, so no locale's separator can come into play.
// (The fuzzer compares from_chars's readings with strtod's.)
double ConvertDecimal(const char* first, const char* last, bool) {
    return std::strtod(std::string(first, last).c_str(), nullptr);
}
#endif

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

    const double value = ConvertDecimal(mantissa, p, sawNonzero && magnitude + exponent > 0);
    return negative ? -value : value;
}
