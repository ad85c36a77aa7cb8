// Numbers as they are written into the PDF (FormatNum).
#pragma once

#include <cstdint>
#include <string>

namespace pdf {

// v rounded to `digits` decimals, half to even on the exact binary value;
// "." as decimal separator whatever the locale, "-" when negative, no
// trailing zeros, no point for whole numbers, no grouping, no exponent and
// never "-0". A value that is not finite (no PDF number can hold it) gives "0".
std::string FormatNum(double v, int digits);

// The same, appended to `out` without a temporary string.
void AppendNum(std::string& out, double v, int digits);

// Four numbers separated by blanks, as a rectangle "[x1 y1 x2 y2]" holds them.
void AppendBox(std::string& out, double x1, double y1, double x2, double y2);

// A whole number in decimal ("/Length 1234", object numbers).
void AppendInt(std::string& out, std::int64_t v);

}  // namespace pdf
