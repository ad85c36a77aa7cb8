#include "pdf/text_encoding.h"

#include <cstdint>

namespace pdf {
namespace {

// Windows-1252 bytes 0x80 to 0x9F and the characters they stand for. The five
// codes Windows leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1
// controls of the same number, as Windows itself converts them.
constexpr char32_t kCharsOf80To9F[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char AnsiOf(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (int i = 0; i < 32; ++i) {
        if (kCharsOf80To9F[i] == cp)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

// Decodes one UTF-8 sequence at s[i]; returns its length, or 0 when it is
// malformed (then the caller writes "?" for the one byte and goes on).
std::size_t Decode(std::string_view s, std::size_t i, char32_t& cp)
{
    const auto b0 = static_cast<unsigned char>(s[i]);
    std::size_t len;
    char32_t min;
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        len = 2, cp = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3, cp = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4, cp = b0 & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > s.size())
        return 0;
    for (std::size_t k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

}  // namespace

void AppendAnsi(std::string& out, std::string_view utf8)
{
    std::size_t i = 0;
    while (i < utf8.size()) {
        // plain ASCII runs are copied as they are
        std::size_t j = i;
        while (j < utf8.size() && static_cast<unsigned char>(utf8[j]) < 0x80)
            ++j;
        out.append(utf8.data() + i, j - i);
        i = j;
        if (i == utf8.size())
            break;
        char32_t cp;
        const std::size_t len = Decode(utf8, i, cp);
        if (len == 0) {
            out += '?';
            ++i;
        } else {
            out += AnsiOf(cp);
            i += len;
        }
    }
}

std::string ToAnsi(std::string_view utf8)
{
    std::string s;
    s.reserve(utf8.size());
    AppendAnsi(s, utf8);
    return s;
}

void AppendEscaped(std::string& out, std::string_view text)
{
    for (char c : text) {
        if (c == '\\' || c == '(' || c == ')')
            out += '\\';
        out += c;
    }
}

std::string EscapeText(std::string_view text)
{
    std::string s;
    s.reserve(text.size() + 8);
    AppendEscaped(s, text);
    return s;
}

}  // namespace pdf
