#!/usr/bin/env python3
"""Generates src/pdf/font_widths.cpp, the width tables of PdfWriter::LoadFont.

Run once by hand; its output is committed:

    python3 tools/pdf_font_metrics.py [AFM folder] > src/pdf/font_widths.cpp

The widths come from the AFM metrics of Debian's fonts-urw-base35, the
metric-compatible clones of the core fonts: Nimbus Sans for Arial (Helvetica
widths), Nimbus Roman for Times New Roman, Standard Symbols PS for Symbol.
Every Courier New width is 600 and needs no file.

Text fonts are mapped by glyph name through WinAnsiEncoding (code 39 is
quotesingle, not the AFM's quoteright; 128 Euro, 149 bullet, 151 emdash).
A WinAnsi code without a glyph gets 750 in the Arial tables (the width Windows
gives Arial there) and the family's MissingWidth elsewhere. Symbol keeps its
built-in encoding from code 32 (the AFM's own codes), preceded by 600 for codes
30 and 31.
"""

import os
import sys

AFM_DIR = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/fonts/type1/urw-base35"

# WinAnsiEncoding, codes 32 to 255 (PDF Reference, Appendix D). None: no glyph.
WIN_ANSI = [
    # 32
    "space", "exclam", "quotedbl", "numbersign", "dollar", "percent", "ampersand", "quotesingle",
    "parenleft", "parenright", "asterisk", "plus", "comma", "hyphen", "period", "slash",
    # 48
    "zero", "one", "two", "three", "four", "five", "six", "seven",
    "eight", "nine", "colon", "semicolon", "less", "equal", "greater", "question",
    # 64
    "at", "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N", "O",
    # 80
    "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z",
    "bracketleft", "backslash", "bracketright", "asciicircum", "underscore",
    # 96
    "grave", "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n", "o",
    # 112
    "p", "q", "r", "s", "t", "u", "v", "w", "x", "y", "z",
    "braceleft", "bar", "braceright", "asciitilde", None,
    # 128
    "Euro", None, "quotesinglbase", "florin", "quotedblbase", "ellipsis", "dagger", "daggerdbl",
    "circumflex", "perthousand", "Scaron", "guilsinglleft", "OE", None, "Zcaron", None,
    # 144
    None, "quoteleft", "quoteright", "quotedblleft", "quotedblright", "bullet", "endash", "emdash",
    "tilde", "trademark", "scaron", "guilsinglright", "oe", None, "zcaron", "Ydieresis",
    # 160
    "space", "exclamdown", "cent", "sterling", "currency", "yen", "brokenbar", "section",
    "dieresis", "copyright", "ordfeminine", "guillemotleft", "logicalnot", "hyphen", "registered", "macron",
    # 176
    "degree", "plusminus", "twosuperior", "threesuperior", "acute", "mu", "paragraph", "periodcentered",
    "cedilla", "onesuperior", "ordmasculine", "guillemotright", "onequarter", "onehalf", "threequarters",
    "questiondown",
    # 192
    "Agrave", "Aacute", "Acircumflex", "Atilde", "Adieresis", "Aring", "AE", "Ccedilla",
    "Egrave", "Eacute", "Ecircumflex", "Edieresis", "Igrave", "Iacute", "Icircumflex", "Idieresis",
    # 208
    "Eth", "Ntilde", "Ograve", "Oacute", "Ocircumflex", "Otilde", "Odieresis", "multiply",
    "Oslash", "Ugrave", "Uacute", "Ucircumflex", "Udieresis", "Yacute", "Thorn", "germandbls",
    # 224
    "agrave", "aacute", "acircumflex", "atilde", "adieresis", "aring", "ae", "ccedilla",
    "egrave", "eacute", "ecircumflex", "edieresis", "igrave", "iacute", "icircumflex", "idieresis",
    # 240
    "eth", "ntilde", "ograve", "oacute", "ocircumflex", "otilde", "odieresis", "divide",
    "oslash", "ugrave", "uacute", "ucircumflex", "udieresis", "yacute", "thorn", "ydieresis",
]
assert len(WIN_ANSI) == 224


def read_afm(name):
    """Returns (widths by glyph name, widths by code) of one AFM file."""
    by_name, by_code = {}, {}
    with open(os.path.join(AFM_DIR, name + ".afm"), encoding="latin-1") as f:
        for line in f:
            if not line.startswith("C "):
                continue
            fields = {}
            for part in line.split(";"):
                words = part.split()
                if len(words) >= 2:
                    fields[words[0]] = words[1]
            code, width, glyph = int(fields["C"]), int(fields["WX"]), fields["N"]
            by_name.setdefault(glyph, width)
            if code >= 0:
                by_code[code] = (glyph, width)
    return by_name, by_code


def win_ansi_widths(afm, no_glyph_width):
    by_name, _ = read_afm(afm)
    widths = []
    for code, glyph in enumerate(WIN_ANSI, start=32):
        if glyph is None:
            widths.append(no_glyph_width)
        elif glyph in by_name:
            widths.append(by_name[glyph])
        else:
            sys.exit(f"{afm}: no glyph {glyph} for code {code}")
    return widths


def symbol_widths(missing_width):
    _, by_code = read_afm("StandardSymbolsPS")
    # URW lists the apple glyph under code 128; the Symbol font's built-in
    # encoding has it at 240 and nothing at 128.
    if 128 in by_code and by_code[128][0] == "apple":
        by_code[240] = by_code.pop(128)
    widths = [600, 600]  # codes 30 and 31
    for code in range(32, 256):
        widths.append(by_code[code][1] if code in by_code else missing_width)
    return widths


TABLES = [
    # (C++ name, comment, widths)
    ("ArialRegular", "Arial regular and italic: Nimbus Sans Regular (Helvetica)",
     lambda: win_ansi_widths("NimbusSans-Regular", 750)),
    ("ArialBold", "Arial bold and bold italic: Nimbus Sans Bold (Helvetica-Bold)",
     lambda: win_ansi_widths("NimbusSans-Bold", 750)),
    ("TimesNewRomanRegular", "Times New Roman regular: Nimbus Roman Regular (Times-Roman)",
     lambda: win_ansi_widths("NimbusRoman-Regular", 333)),
    ("TimesNewRomanBold", "Times New Roman bold: Nimbus Roman Bold (Times-Bold)",
     lambda: win_ansi_widths("NimbusRoman-Bold", 333)),
    ("TimesNewRomanItalic", "Times New Roman italic: Nimbus Roman Italic (Times-Italic)",
     lambda: win_ansi_widths("NimbusRoman-Italic", 333)),
    ("TimesNewRomanBoldItalic", "Times New Roman bold italic: Nimbus Roman Bold Italic (Times-BoldItalic)",
     lambda: win_ansi_widths("NimbusRoman-BoldItalic", 333)),
    ("CourierNew", "Courier New, every style: 600 everywhere",
     lambda: [600] * 224),
    ("Symbol", "Symbol, every style, codes 30 to 255: Standard Symbols PS (Symbol)",
     lambda: symbol_widths(332)),
]


def main():
    out = sys.stdout
    out.write("// Generated by tools/pdf_font_metrics.py from the AFM files of fonts-urw-base35.\n")
    out.write("// Do not edit; run the generator again instead.\n")
    out.write("// Widths in 1/1000 of the font size, from FirstChar to LastChar.\n\n")
    out.write('#include "pdf/font_metrics.h"\n\n')
    out.write("namespace pdf::font_widths {\n")
    for name, comment, make in TABLES:
        widths = make()
        out.write(f"\n// {comment}\n")
        out.write(f"const std::array<std::int16_t, {len(widths)}> {name} = {{\n")
        for i in range(0, len(widths), 16):
            out.write("    " + ", ".join(str(w) for w in widths[i:i + 16]) + ",\n")
        out.write("};\n")
    out.write("\n}  // namespace pdf::font_widths\n")


if __name__ == "__main__":
    main()
