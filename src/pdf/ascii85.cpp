#include "pdf/ascii85.h"

namespace pdf {

std::string Ascii85Encode(std::span<const std::uint8_t> bytes)
{
    std::string out;
    out.reserve(bytes.size() / 4 * 5 + 7);
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    char digits[5];
    for (; i + 4 <= n; i += 4) {
        std::uint32_t v = static_cast<std::uint32_t>(bytes[i]) << 24 | static_cast<std::uint32_t>(bytes[i + 1]) << 16 |
                          static_cast<std::uint32_t>(bytes[i + 2]) << 8 | bytes[i + 3];
        if (v == 0) {
            out += 'z';
            continue;
        }
        for (int d = 4; d >= 0; --d) {
            digits[d] = static_cast<char>(v % 85 + 33);
            v /= 85;
        }
        out.append(digits, 5);
    }
    const std::size_t k = n - i;
    if (k > 0) {
        std::uint32_t v = 0;
        for (std::size_t j = 0; j < 4; ++j)
            v = v << 8 | (j < k ? bytes[i + j] : 0u);
        for (int d = 4; d >= 0; --d) {
            digits[d] = static_cast<char>(v % 85 + 33);
            v /= 85;
        }
        out.append(digits, k + 1);
    }
    out += "~>";
    return out;
}

}  // namespace pdf
