// The number reader against glibc's strtod in the "C" locale, bit for bit, on decimal texts.
#include "number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace {

// strtod reads the same decimal forms as atof; the test process stays in the "C" locale.
double Reference(const std::string& text) {
    return std::strtod(text.c_str(), nullptr);
}

::testing::AssertionResult SameBits(const std::string& text) {
    const double expected = Reference(text);
    const double actual = ReadNumber(text);
    if (std::memcmp(&expected, &actual, sizeof expected) == 0) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "text \"" << text.substr(0, 80) << (text.size() > 80 ? "..." : "") << "\" read as "
           << std::hexfloat << actual << ", atof gives " << expected;
}

TEST(ReadNumber, MatchesAtofOnBorderTexts) {
    const char* const texts[] = {"0",
                                 "-0",
                                 "+0",
                                 "1",
                                 "-1",
                                 "1.5",
                                 "  42xyz",
                                 "1e308",
                                 "1.7976931348623157e308",
                                 "1.7976931348623158e308",
                                 "1.7976931348623159e308",
                                 "-1e309",
                                 "2.2250738585072014e-308",
                                 "2.2250738585072011e-308",
                                 "4.9406564584124654e-324",
                                 "2.4703282292062328e-324",
                                 "2.4703282292062327e-324",
                                 "-4e-320",
                                 "1e-400",
                                 "0.1",
                                 "0.30000000000000004",
                                 "9007199254740993",
                                 "123456789012345678901234567890",
                                 ".000001e6",
                                 "5.e-1",
                                 "1e+",
                                 "1e-",
                                 "1E5",
                                 "00012.5000",
                                 "1.2.3",
                                 "12e3.4",
                                 "+-1",
                                 "e5",
                                 "\v\f 8"};
    for (const char* text : texts) {
        EXPECT_TRUE(SameBits(text));
    }
}

TEST(ReadNumber, MatchesAtofOnRandomDecimalTexts) {
    std::mt19937 random(20261206);
    const char* const pieces[] = {"", "-", "+", " ", "\t"};
    for (int i = 0; i < 200000; ++i) {
        std::string text = pieces[random() % 5];
        const int intDigits = static_cast<int>(random() % 25);
        for (int d = 0; d < intDigits; ++d) {
            text += static_cast<char>('0' + random() % 10);
        }
        if (random() % 2) {
            text += '.';
            const int fracDigits = static_cast<int>(random() % 25);
            for (int d = 0; d < fracDigits; ++d) {
                text += static_cast<char>('0' + random() % 10);
            }
        }
        if (random() % 2) {
            text += random() % 2 ? 'e' : 'E';
            text += pieces[random() % 3];
            text += std::to_string(random() % 700);
        }
        if (random() % 4 == 0) {
            text += ",5x";
        }
        ASSERT_TRUE(SameBits(text));
    }
}

TEST(ReadNumber, MatchesAtofOnVeryLongTexts) {
    // Digits far beyond the 17 that a double holds still decide the rounding.
    std::string halfway = "9007199254740993" + std::string(20000, '0');
    EXPECT_TRUE(SameBits(halfway));
    EXPECT_TRUE(SameBits(halfway + "1"));
    EXPECT_TRUE(SameBits("0." + std::string(20000, '0') + "1e20000"));
    EXPECT_TRUE(SameBits(std::string(400, '9')));
    EXPECT_TRUE(SameBits("-" + std::string(400, '9')));
}

TEST(ReadNumber, ReadsOnlyDecimalForms) {
    EXPECT_EQ(ReadNumber("inf"), 0.0);
    EXPECT_EQ(ReadNumber("-INFINITY"), 0.0);
    EXPECT_EQ(ReadNumber("nan"), 0.0);
    EXPECT_EQ(ReadNumber("NAN(123)"), 0.0);
    EXPECT_EQ(ReadNumber("0x10"), 0.0);
    EXPECT_EQ(ReadNumber("0x1p3"), 0.0);
    EXPECT_EQ(ReadNumber("12 5"), 12.0);
    EXPECT_TRUE(std::signbit(ReadNumber("-0")));
    EXPECT_TRUE(std::signbit(ReadNumber("-1e-999")));
    EXPECT_EQ(ReadNumber("-1e999"), -HUGE_VAL);
}

TEST(WriteFixed6, WritesAsPrintfInCLocale) {
    const double values[] = {0.0,
                             -0.0,
                             0.5,
                             1.0000005,
                             2.9020265,
                             1e-7,
                             -1.25,
                             123456789.123456789,
                             1e22,
                             1e300,
                             1.7976931348623157e308,
                             4.9406564584124654e-324};
    for (double value : values) {
        char expected[400];
        std::snprintf(expected, sizeof expected, "%f", value);
        EXPECT_EQ(WriteFixed6(value), expected);
    }
}

} // namespace
