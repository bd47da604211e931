// Scale2x on small pictures drawn as text, one character a pixel: what each pixel becomes.
#include "scale2x.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Case {
    const char* name;
    int width;
    const char* in;   // rows of `width` characters
    const char* want; // rows of 2 * `width` characters
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

std::vector<std::uint32_t> Pixels(const std::string& text) {
    return std::vector<std::uint32_t>(text.begin(), text.end());
}

class Scale2xCases : public testing::TestWithParam<Case> {};

TEST_P(Scale2xCases, DoublesWithDiagonalsKept) {
    const Case& c = GetParam();
    const std::string in = c.in;
    const int height = int(in.size()) / c.width;
    EXPECT_EQ(Scale2x(Pixels(in), c.width, height), Pixels(c.want));
}

// The centre of a staircase gets the corners that continue the diagonal; a lone pixel, a
// straight edge and the picture's own edges (which count as repeated beyond) stay blocks.
const Case kCases[] = {
    {"staircase: the diagonal is smoothed", 3,
     "aab"
     "abb"
     "bbb",
     "aaaabb"
     "aaabbb"
     "aaabbb"
     "abbbbb"
     "bbbbbb"
     "bbbbbb"},
    {"lone pixel stays a block", 3,
     "aaa"
     "aba"
     "aaa",
     "aaaaaa"
     "aaaaaa"
     "aabbaa"
     "aabbaa"
     "aaaaaa"
     "aaaaaa"},
    {"straight edge stays straight", 2,
     "ab"
     "ab",
     "aabb"
     "aabb"
     "aabb"
     "aabb"},
};

INSTANTIATE_TEST_SUITE_P(Cases, Scale2xCases, testing::ValuesIn(kCases));

} // namespace
