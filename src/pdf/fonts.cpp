// Font resources and text width.
#include "pdf/font_metrics.h"
#include "pdf/number_format.h"
#include "pdf/pdf_writer.h"
#include "pdf/text_encoding.h"

namespace pdf {
namespace {

std::string WithoutBlanks(std::string_view s)
{
    std::string r;
    for (char c : s) {
        if (c != ' ')
            r += c;
    }
    return r;
}

}  // namespace

void PdfWriter::LoadFontStandard(std::string_view Name, std::string_view BaseFont, std::int32_t Options)
{
    const char* suffix = Options == 2 ? ",Bold" : Options == 4 ? ",BoldItalic" : Options == 3 ? ",Italic" : "";
    const std::string name = ToAnsi(Name);
    const std::int32_t F = BeginObj(0);
    line_ = "<< /Type /Font /Subtype /Type1 /Name /" + name + " /BaseFont /" + ToAnsi(WithoutBlanks(BaseFont)) +
            suffix + " /Encoding /WinAnsiEncoding >>";
    WriteLine(line_);
    EndObj();

    AddResource(fontList_, fontNames_, name, F);
}

void PdfWriter::LoadFont(std::string_view Name, std::string_view BaseFont, std::int32_t Options)
{
    // 1. a new record, number k
    fontMetrics_.emplace_back();
    const std::size_t k = fontMetrics_.size();
    FontMetrics& m = fontMetrics_.back();

    // 2. the family's metrics for the chosen style
    const BuiltInFamily& family = BuiltInFamilyFor(BaseFont);
    m.FirstChar = family.FirstChar;
    m.LastChar = family.LastChar;
    m.MissingWidth = family.MissingWidth;
    if (Options >= 1 && Options <= 4) {
        const BuiltInFontStyle& style = family.Styles[static_cast<std::size_t>(Options - 1)];
        m.BaseFontName = style.BaseFontName;
        m.Descriptor = style.Descriptor;
        for (std::size_t i = 0; i < style.Widths.size(); ++i)
            m.Widths[m.FirstChar + i] = style.Widths[i];
    }

    // 3. the font dictionary up to the widths
    const std::string name = ToAnsi(Name);
    const std::int32_t F = BeginObj(0);
    line_ = "<< /Type /Font \r/Subtype /TrueType\r/Name /" + name + "\r/BaseFont /" + m.BaseFontName +
            "\r/FirstChar ";
    AppendInt(line_, m.FirstChar);
    line_ += "\r/LastChar ";
    AppendInt(line_, m.LastChar);
    line_ += "\r/FontDescriptor ";
    AppendInt(line_, F + 1);
    line_ += " 0 R\r/Encoding /WinAnsiEncoding\r/Widths [";
    WriteLine(line_);

    // 4. sixteen widths a line, every line ending in a blank
    line_.clear();
    for (int c = m.FirstChar; c <= m.LastChar; ++c) {
        AppendNum(line_, m.Widths[c], 3);
        line_ += ' ';
        if ((c - m.FirstChar + 1) % 16 == 0 || c == m.LastChar) {
            WriteLine(line_);
            line_.clear();
        }
    }

    // 5.
    WriteLine("] >>");
    EndObj();

    // 6. resource entry and font index
    AddResource(fontList_, fontNames_, name, F);
    fontIndex_.push_back({name, k});

    // 7. the font descriptor
    BeginObj(0);
    WriteLine("<<\r/Type /FontDescriptor\r/FontName /" + m.BaseFontName + "\r" + m.Descriptor + "\r>>");
    EndObj();
}

float PdfWriter::Length(std::string_view Phrase, std::string_view FontName, float Fontsize) const
{
    // 1. the first font loaded under this name
    const std::string name = ToAnsi(FontName);
    const FontMetrics* m = nullptr;
    for (const auto& entry : fontIndex_) {
        if (entry.Name == name) {
            m = &fontMetrics_[entry.Record - 1];
            break;
        }
    }
    if (!m)
        return 0;

    // 2. widths of the Windows-1252 codes
    const std::string text = ToAnsi(Phrase);
    double sum = 0;
    int spaces = 0;
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        sum += (c >= m->FirstChar && c <= m->LastChar) ? m->Widths[c] : m->MissingWidth;
        if (c == 32)
            ++spaces;
    }
    const auto n = static_cast<double>(text.size());

    // 3. and 4.
    const double width =
        (sum * Fontsize / 1000 + spaces * wordSpacing_ + n * charSpacing_) * horizontalScaling_ / 100;
    return static_cast<float>(FromPoints(width));
}

}  // namespace pdf
