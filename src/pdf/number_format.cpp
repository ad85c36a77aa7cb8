#include "pdf/number_format.h"

#include <charconv>
#include <cmath>

namespace pdf {

void AppendNum(std::string& out, double v, int digits)
{
    if (!std::isfinite(v)) {
        out += '0';
        return;
    }
    if (digits < 0)
        digits = 0;
    // std::to_chars is locale-independent and rounds the exact binary value
    // to the requested precision, ties to even.
    char buf[400];
    const auto result = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, digits);
    if (result.ec != std::errc()) {
        out += '0';
        return;
    }
    const char* begin = buf;
    const char* end = result.ptr;
    if (digits > 0) {
        while (end[-1] == '0')
            --end;
        if (end[-1] == '.')
            --end;
    }
    // "-0", "-0.000" and the like: a negative value that rounds to zero
    if (*begin == '-' && end - begin == 2 && begin[1] == '0')
        ++begin;
    out.append(begin, end);
}

std::string FormatNum(double v, int digits)
{
    std::string s;
    AppendNum(s, v, digits);
    return s;
}

void AppendInt(std::string& out, std::int64_t v)
{
    char buf[24];
    const auto result = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, result.ptr);
}

void AppendBox(std::string& out, double x1, double y1, double x2, double y2)
{
    AppendNum(out, x1, 3);
    out += ' ';
    AppendNum(out, y1, 3);
    out += ' ';
    AppendNum(out, x2, 3);
    out += ' ';
    AppendNum(out, y2, 3);
}

}  // namespace pdf
