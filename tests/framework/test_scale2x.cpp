// Scale2x on small pictures drawn as text, one character a pixel and rows apart by "/": what each
// pixel becomes.
#include "scale2x.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Case {
    const char* name;
    const char* in;
    const char* want; // twice as wide and high
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

std::vector<std::uint32_t> Pixels(const std::string& rows) {
    std::vector<std::uint32_t> pixels;
    for (char c : rows) {
        if (c != '/') {
            pixels.push_back(std::uint32_t(c));
        }
    }
    return pixels;
}

class Scale2xCases : public testing::TestWithParam<Case> {};

TEST_P(Scale2xCases, DoublesWithDiagonalsKept) {
    const Case& c = GetParam();
    const std::vector<std::uint32_t> in = Pixels(c.in);
    const int width = int(std::string(c.in).find('/'));
    EXPECT_EQ(Scale2x(in, width, int(in.size()) / width), Pixels(c.want));
}

// The centre of a staircase gets the corners that continue the diagonal; a lone pixel, a
// straight edge and the picture's own edges (which count as repeated beyond) stay blocks.
const Case kCases[] = {
    {"staircase: the diagonal is smoothed", "aab/abb/bbb",
     "aaaabb/aaabbb/aaabbb/abbbbb/bbbbbb/bbbbbb"},
    {"lone pixel stays a block", "aaa/aba/aaa", "aaaaaa/aaaaaa/aabbaa/aabbaa/aaaaaa/aaaaaa"},
    {"straight edge stays straight", "ab/ab", "aabb/aabb/aabb/aabb"},
};

INSTANTIATE_TEST_SUITE_P(Cases, Scale2xCases, testing::ValuesIn(kCases));

} // namespace
