// Pages, text, colours, line style and paths.
#include <cmath>
#include <stdexcept>

#include "pdf/number_format.h"
#include "pdf/pdf_writer.h"
#include "pdf/text_encoding.h"

namespace pdf {
namespace {

constexpr double kPi = 3.141592;  // this value of pi shows in the output, so it stays

}  // namespace

// ---- pages --------------------------------------------------------------------

std::int16_t PdfWriter::StartPage()
{
    if (pages_ == INT16_MAX)
        throw std::overflow_error("PdfWriter: more than 32767 pages");
    ++pages_;

    const std::int32_t P = BeginObj(0);
    line_ = "<<\r/Type /Page\r/Parent 3 0 R\r/Contents ";
    AppendInt(line_, P + 1);
    line_ += " 0 R\r>>";
    WriteLine(line_);
    EndObj();

    AppendInt(kids_, P);
    kids_ += " 0 R ";

    BeginObj(P + 1);
    line_ = "<< /Length ";
    AppendInt(line_, P + 2);
    line_ += " 0 R >>\rstream";
    WriteLine(line_);
    streamStart_ = out_.Offset();

    DrawPageForms();

    charSpacing_ = 0.0f;
    wordSpacing_ = 0.0f;
    horizontalScaling_ = 100.0f;
    return pages_;
}

void PdfWriter::EndPage()
{
    WriteStreamLength();
}

// Shared by EndPage and EndObject: ends the open stream and writes its length
// as the next object (EndPage).
void PdfWriter::WriteStreamLength()
{
    const std::uint64_t length = out_.Offset() - streamStart_;
    WriteLine("endstream");
    EndObj();
    BeginObj(0);
    line_.clear();
    AppendInt(line_, static_cast<std::int64_t>(length));
    WriteLine(line_);
    EndObj();
}

// One number and its operator on a line of their own.
void PdfWriter::WriteOperator(double value, std::string_view op)
{
    line_.clear();
    AppendNum(line_, value, 3);
    line_ += ' ';
    line_ += op;
    WriteLine(line_);
}

// A point, converted to points, and its operator.
void PdfWriter::WritePointOperator(double x, double y, std::string_view op)
{
    line_.clear();
    AppendNum(line_, ToPoints(x), 3);
    line_ += ' ';
    AppendNum(line_, ToPoints(y), 3);
    line_ += ' ';
    line_ += op;
    WriteLine(line_);
}

// ---- text state -------------------------------------------------------------------

void PdfWriter::SetWordSpacing(float W)
{
    WriteOperator(W, "Tw");
    wordSpacing_ = W;
}

void PdfWriter::SetCharSpacing(float W)
{
    WriteOperator(W, "Tc");
    charSpacing_ = W;
}

void PdfWriter::SetTextHorizontalScaling(float W)
{
    WriteOperator(W, "Tz");
    horizontalScaling_ = W;
}

void PdfWriter::SetTextRenderingMode(float W)
{
    if (!(W >= 0 && W <= 2))
        return;
    WriteOperator(W, "Tr");
}

void PdfWriter::DrawText(float x, float y, std::string_view strTemp, std::string_view FontName, float Fontsize,
                         std::int32_t Align, float Rotate)
{
    if (Align == 2)
        x = x - Length(strTemp, FontName, Fontsize);
    else if (Align == 3)
        x = x - Length(strTemp, FontName, Fontsize) / 2;

    WriteLine("BT");

    line_.clear();
    line_ += '/';
    AppendAnsi(line_, FontName);
    line_ += ' ';
    AppendNum(line_, Fontsize, 3);
    line_ += " Tf";
    WriteLine(line_);

    line_.clear();
    if (Rotate == 0) {
        AppendNum(line_, ToPoints(x), 3);
        line_ += ' ';
        AppendNum(line_, ToPoints(y), 3);
        line_ += " Td";
    } else {
        const double a = Rotate * kPi / 180;
        const double c = std::cos(a), s = std::sin(a);
        for (double v : {c, s, -s, c, ToPoints(x), ToPoints(y)}) {
            AppendNum(line_, v, 3);
            line_ += ' ';
        }
        line_ += "Tm";
    }
    WriteLine(line_);

    line_.clear();
    line_ += '(';
    AppendEscaped(line_, ToAnsi(strTemp));
    line_ += ") Tj";
    WriteLine(line_);

    WriteLine("ET");
}

// ---- colours and line style -----------------------------------------------------------

void PdfWriter::SetColor(std::int32_t rgb, bool stroke)
{
    line_.clear();
    if (rgb > 0 || rgb < -255) {
        // red in the low byte; outside -255..16777215 the bytes are simply
        // taken as they stand
        const auto u = static_cast<std::uint32_t>(rgb);
        const int r = u & 0xFF, g = (u >> 8) & 0xFF, b = (u >> 16) & 0xFF;
        AppendNum(line_, r / 255.0, 3);
        line_ += ' ';
        AppendNum(line_, g / 255.0, 3);
        line_ += ' ';
        AppendNum(line_, b / 255.0, 3);
        line_ += stroke ? " RG" : " rg";
    } else {
        AppendNum(line_, -rgb / 255.0, 3);
        line_ += stroke ? " G" : " g";
    }
    WriteLine(line_);
}

void PdfWriter::SetColorStroke(std::int32_t rgb)
{
    SetColor(rgb, true);
}

void PdfWriter::SetColorFill(std::int32_t rgb)
{
    SetColor(rgb, false);
}

void PdfWriter::SetDash(float dash_on, float dash_off)
{
    if (dash_on == 0 && dash_off == 0) {
        WriteLine("[ ] 0 d");
        return;
    }
    line_ = "[";
    AppendNum(line_, ToPoints(dash_on), 3);
    line_ += ' ';
    AppendNum(line_, ToPoints(dash_off), 3);
    line_ += "] 0 d";
    WriteLine(line_);
}

void PdfWriter::SetLineWidth(float W)
{
    WriteOperator(ToPoints(W), "w");
}

void PdfWriter::SetLineCap(std::int16_t W)
{
    if (W < 0 || W > 2)
        return;
    WriteOperator(W, "J");
}

void PdfWriter::SetLineJoin(std::int16_t W)
{
    if (W < 0 || W > 2)
        return;
    WriteOperator(W, "j");
}

void PdfWriter::SetMiterLimit(float W)
{
    if (!(W >= 1))
        return;
    WriteOperator(W, "M");
}

// ---- paths ------------------------------------------------------------------------------

void PdfWriter::PaintPath(std::int32_t Options)
{
    if (Options & 4) {
        WriteLine("f");
        return;
    }
    if (Options & 2)
        WriteLine("h");
    if (Options & 1)
        WriteLine("S");
}

void PdfWriter::MoveTo(float x, float y)
{
    WritePointOperator(x, y, "m");
}

void PdfWriter::LineTo(float x, float y, std::int32_t Options)
{
    WritePointOperator(x, y, "l");
    PaintPath(Options);
}

void PdfWriter::Curve(float x1, float y1, float X2, float Y2, float X3, float Y3, std::int32_t Options)
{
    line_.clear();
    for (float v : {x1, y1, X2, Y2, X3, Y3}) {
        AppendNum(line_, ToPoints(v), 3);
        line_ += ' ';
    }
    line_ += 'c';
    WriteLine(line_);
    PaintPath(Options);
}

void PdfWriter::Rectangle(float x, float y, float xdim, float ydim, std::int32_t Options, float Ray)
{
    WriteLine("n");
    if (!(Ray > 0)) {
        line_.clear();
        for (float v : {x, y, xdim, ydim}) {
            AppendNum(line_, ToPoints(v), 3);
            line_ += ' ';
        }
        line_ += "re";
        WriteLine(line_);
        PaintPath(Options);
        return;
    }
    float R = Ray;
    if (xdim / 2 < R)
        R = xdim / 2;
    if (ydim / 2 < R)
        R = ydim / 2;
    const float k = R * 0.55f;
    MoveTo(x + R, y);
    LineTo(x + xdim - R, y, 0);
    Curve(x + xdim - R + k, y, x + xdim, y + R - k, x + xdim, y + R, 0);
    LineTo(x + xdim, y + ydim - R, 0);
    Curve(x + xdim, y + ydim - R + k, x + xdim - R + k, y + ydim, x + xdim - R, y + ydim, 0);
    LineTo(x + R, y + ydim, 0);
    Curve(x + R - k, y + ydim, x, y + ydim - R + k, x, y + ydim - R, 0);
    LineTo(x, y + R, 0);
    Curve(x, y + R - k, x + R - k, y, x + R, y, 0);
    PaintPath(Options);
}

void PdfWriter::DrawCircle(float x, float y, float Ray, std::int32_t Options)
{
    const float k = Ray * 0.55f;
    MoveTo(x, y - Ray);
    Curve(x + k, y - Ray, x + Ray, y - k, x + Ray, y, 0);
    Curve(x + Ray, y + k, x + k, y + Ray, x, y + Ray, 0);
    Curve(x - k, y + Ray, x - Ray, y + k, x - Ray, y, 0);
    Curve(x - Ray, y - k, x - k, y - Ray, x, y - Ray, 0);
    PaintPath(Options);
}

void PdfWriter::Arc(float x, float y, float Ray, float StartAngle, float EndAngle, float Ratio, bool Pie,
                    float Rotate, std::int16_t Quality, std::int32_t Options)
{
    // A step of 0 or less would never reach EndAngle: nothing is drawn.
    if (Quality <= 0)
        return;
    WriteLine("n");
    MoveTo(x, y);
    if (Options & 4)
        Pie = true;
    const double d = kPi / 180;
    const double s = std::sin(-d * Rotate), c = std::cos(-d * Rotate);
    bool first = true;
    for (float a = StartAngle; a <= EndAngle;) {
        const double px = Ray * std::cos(d * a);
        const double py = Ratio * Ray * std::sin(d * a);
        const double rx = c * px + s * py;
        const double ry = -px * s + c * py;
        const auto ax = static_cast<float>(x + rx), ay = static_cast<float>(y + ry);
        if (!Pie && first)
            MoveTo(ax, ay);
        LineTo(ax, ay, 0);
        first = false;
        // a float counter stops growing past 2^24 degrees; end the loop then
        const float next = a + Quality;
        if (!(next > a))
            break;
        a = next;
    }
    if (Pie)
        LineTo(x, y, 0);
    PaintPath(Options);
}

}  // namespace pdf
