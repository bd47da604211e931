#include "reference_font.h"

#include "utf8.h"

#include <cmath>

namespace {

// The advances of the printable ASCII characters (32 to 126) in DejaVu Sans, in its units of
// 2048 to the em.
constexpr int kAdvances[95] = {
    651,  821,  942,  1716, 1303, 1946, 1597, 563,  799,  799,  1024, 1716, 651,  739,  651,  690,
    1303, 1303, 1303, 1303, 1303, 1303, 1303, 1303, 1303, 1303, 690,  690,  1716, 1716, 1716, 1087,
    2048, 1401, 1405, 1430, 1577, 1294, 1178, 1587, 1540, 604,  604,  1343, 1141, 1767, 1532, 1612,
    1235, 1612, 1423, 1300, 1251, 1499, 1401, 2025, 1403, 1251, 1403, 799,  690,  799,  1716, 1024,
    1024, 1255, 1300, 1126, 1300, 1260, 721,  1300, 1298, 569,  569,  1186, 569,  1995, 1298, 1253,
    1300, 1300, 842,  1067, 803,  1298, 1212, 1675, 1212, 1212, 1075, 1303, 690,  1303, 1716,
};
constexpr int kUnitsPerEm = 2048;
constexpr int kAscent = 1901;
constexpr int kDescent = 483;
// For any other character: the average of the letters.
constexpr int kOtherAdvance = 1250;

} // namespace

int ReferenceFont::LineHeight() const {
    const auto pixels = [](int units) {
        return int(std::round(double(units) * kPixels / kUnitsPerEm));
    };
    return pixels(kAscent) + pixels(kDescent);
}

int ReferenceFont::TextWidth(std::string_view text) const {
    double width = 0;
    for (const char byte : text) {
        if (!IsUtf8Continuation(byte)) {
            width += Advance(byte); // a character of several bytes by its first
        }
    }
    return int(std::ceil(width));
}

double ReferenceFont::Advance(char c) const {
    const int at = static_cast<unsigned char>(c) - 32;
    const int advance = at >= 0 && at < 95 ? kAdvances[at] : kOtherAdvance;
    return double(advance) * kPixels / kUnitsPerEm;
}
