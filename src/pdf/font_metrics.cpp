// The names and font descriptors of the built-in families; the
// width tables are generated into font_widths.cpp.
#include "pdf/font_metrics.h"

#include <string>

namespace pdf {
namespace {

// Each descriptor is five pieces: flags and bounding box; missing width and
// vertical stem; horizontal stem, italic angle, cap height, x-height; ascent,
// descent, leading; maximum and average width.
const BuiltInFamily Arial{
    32, 255, 272,
    {{
        {"Arial",
         "/Flags 32 /FontBBox [-250 -221 1190 1000] "
         "/MissingWidth 272 /StemV 80 "
         "/StemH 80 /ItalicAngle 0 /CapHeight 905 /XHeight 453 "
         "/Ascent 905 /Descent -212 /Leading 150 "
         "/MaxWidth 992 /AvgWidth 441",
         font_widths::ArialRegular},
        {"Arial,Bold",
         "/Flags 16416 /FontBBox [-250 -212 1120 1000] "
         "/MissingWidth 311 /StemV 153 "
         "/StemH 153 /ItalicAngle 0 /CapHeight 905 /XHeight 453 "
         "/Ascent 905 /Descent -212 /Leading 150 "
         "/MaxWidth 933 /AvgWidth 479",
         font_widths::ArialBold},
        {"Arial,Italic",
         "/Flags 96 /FontBBox [-250 -212 1134 1000] "
         "/MissingWidth 259 /StemV 80 "
         "/StemH 80 /ItalicAngle -11 /CapHeight 905 /XHeight 453 "
         "/Ascent 905 /Descent -212 /Leading 150 "
         "/MaxWidth 945 /AvgWidth 441",
         font_widths::ArialRegular},
        {"Arial,BoldItalic",
         "/Flags 16480 /FontBBox [-250 -212 1120 1000] "
         "/MissingWidth 311 /StemV 153 "
         "/StemH 153 /ItalicAngle -11 /CapHeight 905 /XHeight 453 "
         "/Ascent 905 /Descent -212 /Leading 150 "
         "/MaxWidth 933 /AvgWidth 479",
         font_widths::ArialBold},
    }}};

const BuiltInFamily TimesNewRoman{
    32, 255, 333,
    {{
        {"TimesNewRoman",
         "/Flags 34 /FontBBox [-250 -216 1200 1000] "
         "/MissingWidth 333 /StemV 73 "
         "/StemH 73 /ItalicAngle 0 /CapHeight 891 /XHeight 446 "
         "/Ascent 891 /Descent -216 /Leading 149 "
         "/MaxWidth 1000 /AvgWidth 401",
         font_widths::TimesNewRomanRegular},
        {"TimesNewRoman,Bold",
         "/Flags 16418 /FontBBox [-250 -216 1201 1000] "
         "/MissingWidth 333 /StemV 136 "
         "/StemH 136 /ItalicAngle 0 /CapHeight 891 /XHeight 446 "
         "/Ascent 891 /Descent -216 /Leading 149 "
         "/MaxWidth 1001 /AvgWidth 401",
         font_widths::TimesNewRomanBold},
        {"TimesNewRoman,Italic",
         "/Flags 98 /FontBBox [-250 -216 1200 1000] "
         "/MissingWidth 333 /StemV 73 "
         "/StemH 73 /ItalicAngle -11 /CapHeight 891 /XHeight 446 "
         "/Ascent 891 /Descent -216 /Leading 149 "
         "/MaxWidth 1000 /AvgWidth 402",
         font_widths::TimesNewRomanItalic},
        {"TimesNewRoman,BoldItalic",
         "/Flags 16482 /FontBBox [-250 -216 1200 1000] "
         "/MissingWidth 333 /StemV 131 "
         "/StemH 131 /ItalicAngle -11 /CapHeight 891 /XHeight 446 "
         "/Ascent 891 /Descent -216 /Leading 149 "
         "/MaxWidth 1000 /AvgWidth 412",
         font_widths::TimesNewRomanBoldItalic},
    }}};

const BuiltInFamily CourierNew{
    32, 255, 600,
    {{
        {"CourierNew",
         "/Flags 34 /FontBBox [-250 -300 720 1000] "
         "/MissingWidth 600 /StemV 109 "
         "/StemH 109 /ItalicAngle 0 /CapHeight 833 /XHeight 417 "
         "/Ascent 833 /Descent -300 /Leading 133 "
         "/MaxWidth 600 /AvgWidth 600",
         font_widths::CourierNew},
        {"CourierNew,Bold",
         "/Flags 16418 /FontBBox [-250 -300 720 1000] "
         "/MissingWidth 600 /StemV 191 "
         "/StemH 191 /ItalicAngle 0 /CapHeight 833 /XHeight 417 "
         "/Ascent 833 /Descent -300 /Leading 133 "
         "/MaxWidth 600 /AvgWidth 600",
         font_widths::CourierNew},
        {"CourierNew,Italic",
         "/Flags 98 /FontBBox [-250 -300 720 1000] "
         "/MissingWidth 600 /StemV 109 "
         "/StemH 109 /ItalicAngle -11 /CapHeight 833 /XHeight 417 "
         "/Ascent 833 /Descent -300 /Leading 133 "
         "/MaxWidth 600 /AvgWidth 600",
         font_widths::CourierNew},
        {"CourierNew,BoldItalic",
         "/Flags 16482 /FontBBox [-250 -300 720 1000] "
         "/MissingWidth 600 /StemV 191 "
         "/StemH 191 /ItalicAngle -11 /CapHeight 833 /XHeight 417 "
         "/Ascent 833 /Descent -300 /Leading 133 "
         "/MaxWidth 600 /AvgWidth 600",
         font_widths::CourierNew},
    }}};

const BuiltInFamily Symbol{
    30, 255, 332,
    {{
        {"Symbol",
         "/Flags 6 /FontBBox [-250 -220 1246 1005] "
         "/MissingWidth 332 /StemV 109 "
         "/StemH 109 /ItalicAngle 0 /CapHeight 1005 /XHeight 503 "
         "/Ascent 1005 /Descent -220 /Leading 225 "
         "/MaxWidth 1038 /AvgWidth 601",
         font_widths::Symbol},
        {"Symbol,Bold",
         "/Flags 16390 /FontBBox [-250 -220 1246 1005] "
         "/MissingWidth 332 /StemV 191 "
         "/StemH 191 /ItalicAngle 0 /CapHeight 1005 /XHeight 503 "
         "/Ascent 1005 /Descent -220 /Leading 225 "
         "/MaxWidth 1038 /AvgWidth 600",
         font_widths::Symbol},
        {"Symbol,Italic",
         "/Flags 70 /FontBBox [-250 -220 1246 1005] "
         "/MissingWidth 332 /StemV 109 "
         "/StemH 109 /ItalicAngle -11 /CapHeight 1005 /XHeight 503 "
         "/Ascent 1005 /Descent -220 /Leading 225 "
         "/MaxWidth 1038 /AvgWidth 600",
         font_widths::Symbol},
        {"Symbol,BoldItalic",
         "/Flags 16454 /FontBBox [-250 -220 1246 1005] "
         "/MissingWidth 332 /StemV 191 "
         "/StemH 191 /ItalicAngle -11 /CapHeight 1005 /XHeight 503 "
         "/Ascent 1005 /Descent -220 /Leading 225 "
         "/MaxWidth 1038 /AvgWidth 600",
         font_widths::Symbol},
    }}};

}  // namespace

const BuiltInFamily& BuiltInFamilyFor(std::string_view BaseFont)
{
    std::string key;
    for (char c : BaseFont) {
        if (c == ' ')
            continue;
        // ASCII upper case, whatever the process locale
        key += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    if (key == "TIMESNEWROMAN")
        return TimesNewRoman;
    if (key == "COURIERNEW")
        return CourierNew;
    if (key == "SYMBOL")
        return Symbol;
    return Arial;
}

}  // namespace pdf
