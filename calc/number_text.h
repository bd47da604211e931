// Locale-independent conversions between numbers and the texts the calculator shows.
#pragma once

#include <string>
#include <string_view>

// Reads the longest leading decimal number, exactly as atof does in the "C" locale: leading
// white space (space, \t, \n, \v, \f, \r) is skipped, then an optional sign, digits with an
// optional point, and an optional exponent are read; whatever follows is ignored. A text that
// does not begin with a number reads as 0. The value is correctly rounded; overflow gives
// +-infinity and underflow +-0 or a subnormal. Only decimal forms are read: "inf", "nan" and
// "0x10" read as 0, 0 and 0.
double ReadNumber(std::string_view text);

// Writes a value as printf's "%f" does in the "C" locale: fixed notation, six decimals, the
// point as separator, no grouping, every integer digit exact, rounded to nearest with ties to
// even; "inf", "-inf" or "nan" for a value that is not finite.
std::string WriteFixed6(double value);
