// Built-in metrics of the four TrueType families of LoadFont.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace pdf {

// One style of one family: the values LoadFont writes and Length uses.
struct BuiltInFontStyle {
    std::string_view BaseFontName;
    std::string_view Descriptor;
    std::span<const std::int16_t> Widths;  // FirstChar to LastChar
};

struct BuiltInFamily {
    std::uint8_t FirstChar;
    std::uint8_t LastChar;
    std::int32_t MissingWidth;
    std::array<BuiltInFontStyle, 4> Styles;  // Options 1 regular, 2 bold, 3 italic, 4 bold italic
};

// Chooses the family by the caller's base font: blanks removed, upper case,
// "TIMESNEWROMAN", "COURIERNEW", "SYMBOL"; anything else is Arial.
const BuiltInFamily& BuiltInFamilyFor(std::string_view BaseFont);

// The generated tables (font_widths.cpp, made by tools/pdf_font_metrics.py).
namespace font_widths {
extern const std::array<std::int16_t, 224> ArialRegular;
extern const std::array<std::int16_t, 224> ArialBold;
extern const std::array<std::int16_t, 224> TimesNewRomanRegular;
extern const std::array<std::int16_t, 224> TimesNewRomanBold;
extern const std::array<std::int16_t, 224> TimesNewRomanItalic;
extern const std::array<std::int16_t, 224> TimesNewRomanBoldItalic;
extern const std::array<std::int16_t, 224> CourierNew;
extern const std::array<std::int16_t, 226> Symbol;
}  // namespace font_widths

}  // namespace pdf
