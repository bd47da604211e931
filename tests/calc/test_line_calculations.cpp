// Behaviour of the two conversions, from typed texts to the texts the window shows.
#include "line_calculations.h"
#include "number_text.h"

#include <gtest/gtest.h>

#include <cctype>
#include <clocale>
#include <string>
#include <utility>
#include <vector>

namespace {

const char kIncalculable[] = "Currently incalculatable";
const char kInfinity[] = "Infinity";
const char kLengthBelowZero[] = "Cable Length must be greater than 0";
const char kSwrBelowOne[] = "SWR must be greater than 1";
const char kLossBelowZero[] = "dB/100m must be greater than 0";
const char kLengthBorder[] = "The current value is the border case.";
const char kValueBorder[] = "The current value is the border case";

enum class Conversion { LossFromSwr, SwrFromLoss };

struct Case {
    const char* name; // states the case; becomes the test's name
    Conversion conversion;
    std::string first;  // length text for LossFromSwr, loss text for SwrFromLoss
    std::string second; // SWR text for LossFromSwr, length text for SwrFromLoss
    std::string result;
    std::string message;
};

// How ctest's list and a failure show a row: by the case it states.
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

std::string TestName(const testing::TestParamInfo<Case>& info) {
    std::string name = info.param.name;
    for (char& c : name) {
        c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    return name;
}

constexpr auto L = Conversion::LossFromSwr;
constexpr auto S = Conversion::SwrFromLoss;

const std::string kManyDigits(20000, '7');

const std::vector<Case> kCases = {
    // Results of the two formulas.
    {"loss: length 10, SWR 1.5 -> 69.897000", L, "10", "1.5", "69.897000", ""},
    {"loss: length 1, SWR 1.0001 -> 4301.051710", L, "1", "1.0001", "4301.051710", ""},
    {"swr: loss 5, length 20 -> 8.724232", S, "5", "20", "8.724232", ""},
    {"swr: loss 0.5, length 10 -> 173.719712", S, "0.5", "10", "173.719712", ""},

    // Which input is tested first, and every message.
    {"loss: both empty -> length border first", L, "", "", kInfinity, kLengthBorder},
    {"swr: both empty -> loss border first", S, "", "", kInfinity, kValueBorder},
    {"loss: length -3, SWR 0.5 -> length tested first", L, "-3", "0.5", kIncalculable,
     kLengthBelowZero},
    {"loss: length 0, SWR 0.5 -> length border, SWR not reported", L, "0", "0.5", kInfinity,
     kLengthBorder},
    {"loss: length 5, SWR 1 -> SWR border", L, "5", "1", kInfinity, kValueBorder},
    {"loss: length 5, SWR 0.999 -> SWR below 1", L, "5", "0.999", kIncalculable, kSwrBelowOne},
    {"swr: loss 0, length -5 -> loss border, length not reported", S, "0", "-5", kInfinity,
     kValueBorder},
    {"swr: loss -1, length 0 -> loss below 0", S, "-1", "0", kIncalculable, kLossBelowZero},
    {"swr: loss 2, length empty -> length border", S, "2", "", kInfinity, kLengthBorder},

    // Negative zero is zero for the bounds at 0, and below the bound at 1.
    {"loss: length -0 -> length border", L, "-0", "2", kInfinity, kLengthBorder},
    {"loss: SWR -0 -> SWR below 1", L, "5", "-0", kIncalculable, kSwrBelowOne},
    {"swr: loss -0 -> loss border", S, "-0", "5", kInfinity, kValueBorder},
    {"swr: length -0.0e5 -> length border", S, "3", "-0.0e5", kInfinity, kLengthBorder},

    // Number reading as atof does it (the fuzzer compares every other text with strtod).
    {"reading: trailing unit after a blank", L, "12 m", "12", "6.045889", ""},
    {"reading: letters alone read as 0", L, "abc", "2", kInfinity, kLengthBorder},
    {"reading: comma is no separator, 1,5 reads as 1", L, "5", "1,5", kInfinity, kValueBorder},
    {"reading: nan word reads as 0", L, "5", "nan", kIncalculable, kSwrBelowOne},
    {"reading: non-ASCII text reads as 0", L, "\xc2\xa0\x35", "2", kInfinity, kLengthBorder},
    {"reading: 20000 digits after the point", L, "0." + kManyDigits, "2", "613.441613", ""},

    // Ranges the formulas do not cover on their own.
    {"loss: SWR 1e999 reads as infinity -> lossless, 0.000000", L, "50", "1e999", "0.000000", ""},
    {"loss: length 1e999 -> 0.000000", L, "1e999", "2", "0.000000", ""},
    {"loss: subnormal length -> quotient overflows -> Infinity", L, "4e-320", "2", kInfinity, ""},
    {"swr: loss x length above 308254.72 -> 1.000000", S, "1000", "309", "1.000000", ""},
    {"swr: tiny loss x length, pow gives 1 -> Infinity", S, "1e-8", "1e-8", kInfinity, ""},
    {"swr: small loss x length -> large finite SWR", S, "1e-5", "1e-3", "86859075351.205811", ""},
};

class LineCalculations : public testing::TestWithParam<Case> {};

// The program runs under the user's locale, where a German one reads "1.5" as 1 in atof and
// writes "1,500000" in printf: every case must come out the same in both.
TEST_P(LineCalculations, GivesResultAndMessageInEveryLocale) {
    const Case& c = GetParam();
    for (const char* locale : {"C", "de_DE.UTF-8"}) {
        ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr) << "no locale " << locale;
        const CalcOutcome outcome = c.conversion == Conversion::LossFromSwr
                                        ? CalcLossFromSwr(c.first, c.second)
                                        : CalcSwrFromLoss(c.first, c.second);
        EXPECT_EQ(outcome.result, c.result) << locale;
        EXPECT_EQ(outcome.message, c.message) << locale;
    }
    std::setlocale(LC_ALL, "C");
}

INSTANTIATE_TEST_SUITE_P(Cases, LineCalculations, testing::ValuesIn(kCases), TestName);

// The writing of results on its own, where rounding is at stake: the exact binary value rounded
// to six decimals, a tie to the even digit, as printf does on every platform.
TEST(NumberWriting, RoundsTheExactValueTiesToEven) {
    const std::pair<double, const char*> rows[] = {
        {0.0078125, "0.007812"},               // 2^-7, a tie: down to the even 2
        {0.0234375, "0.023438"},               // 3 * 2^-7, a tie: up to the even 8
        {5e-7, "0.000000"},                    // just below 0.0000005
        {2.5e-6, "0.000003"},                  // just above 0.0000025
        {4.9406564584124654e-324, "0.000000"}, // the smallest subnormal
        {-0.0, "-0.000000"},
    };
    for (const auto& [value, text] : rows) {
        EXPECT_EQ(WriteFixed6(value), text) << value;
    }
}

} // namespace
