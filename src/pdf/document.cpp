// Document skeleton, object numbering, cross-reference table,
// properties and unit conversion.
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <random>
#include <system_error>

#include "pdf/number_format.h"
#include "pdf/pdf_writer.h"
#include "pdf/text_encoding.h"

namespace pdf {
namespace {

constexpr char CR = '\r';

// "The maker's web address; any short text may stand in its place".
constexpr std::string_view kAuthor = "Quillet";

std::tm LocalTime(std::time_t moment)
{
    return *std::localtime(&moment);  // one window thread: no other caller races
}

std::tm LocalNow()
{
    return LocalTime(std::time(nullptr));
}

// The folder of the running executable; the current folder when unknown.
std::filesystem::path ProgramFolder()
{
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec && exe.has_parent_path())
        return exe.parent_path();
    return std::filesystem::current_path(ec);
}

// Program folder + "~" + H + ".pdf", H the upper-case hexadecimal form of the
// number "dhhmmss" + one random digit.
std::string GeneratedFileName()
{
    const std::tm t = LocalNow();
    std::random_device random;
    const unsigned digit = random() % 10;
    char decimal[16];
    std::snprintf(decimal, sizeof decimal, "%d%02d%02d%02d%u", t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec, digit);
    char hex[16];
    std::snprintf(hex, sizeof hex, "%llX", std::strtoull(decimal, nullptr, 10));
    return (ProgramFolder() / ("~" + std::string(hex) + ".pdf")).string();
}

}  // namespace

PdfWriter::PdfWriter() = default;
PdfWriter::~PdfWriter() = default;

// ---- properties -------------------------------------------------------------

void PdfWriter::Margin(float value)
{
    margin_ = static_cast<float>(ToPoints(value));
}

float PdfWriter::Margin() const
{
    return static_cast<float>(FromPoints(margin_));
}

void PdfWriter::PaperWidth(float value)
{
    pageWidth_ = static_cast<float>(ToPoints(value));
}

float PdfWriter::PaperWidth() const
{
    return static_cast<float>(FromPoints(pageWidth_));
}

void PdfWriter::PaperHeight(float value)
{
    pageHeight_ = static_cast<float>(ToPoints(value));
}

float PdfWriter::PaperHeight() const
{
    return static_cast<float>(FromPoints(pageHeight_));
}

void PdfWriter::PaperSize(std::int32_t value)
{
    paperSize_ = value;
    switch (value) {
    case 0: pageWidth_ = 595.2f, pageHeight_ = 842.0f; break;
    case 1: pageWidth_ = 842.0f, pageHeight_ = 1190.5f; break;
    case 2: pageWidth_ = 612.0f, pageHeight_ = 792.0f; break;
    case 3: pageWidth_ = 612.0f, pageHeight_ = 864.0f; break;
    default: break;  // stored; width and height unchanged
    }
}

// ---- private operations -----------------------------------------------------

void PdfWriter::WriteLine(std::string_view text)
{
    out_.Write(text);
    out_.Write(std::string_view("\r\n", 2));
}

std::int32_t PdfWriter::BeginObj(std::int32_t n)
{
    if (n == 0)
        n = highestObject_ + 1;
    if (n > highestObject_)
        highestObject_ = n;
    if (xref_.size() <= static_cast<std::size_t>(n))
        xref_.resize(static_cast<std::size_t>(n) + 1, 0);
    xref_[static_cast<std::size_t>(n)] = out_.Offset();
    std::string line;
    AppendInt(line, n);
    line += " 0 obj";
    WriteLine(line);
    return n;
}

void PdfWriter::EndObj()
{
    WriteLine("endobj");
}

double PdfWriter::ToPoints(double v) const
{
    switch (scaleMode_) {
    case 1: return v;
    case 2: return v * 72.0;
    case 3: return v * 72.0 / 25.4;
    case 4: return v * 72.0 / 2.54;
    default: return 0.0;
    }
}

double PdfWriter::FromPoints(double v) const
{
    switch (scaleMode_) {
    case 1: return v;
    case 2: return v / 72.0;
    case 3: return v / 72.0 * 25.4;
    case 4: return v / 72.0 * 2.54;
    default: return 0.0;
    }
}

// Appends "/" + name + " " + object + " 0 R " + CR to a resource list. A
// name already listed is not listed again: the dictionary would hold the key
// twice (qpdf warns, and readers take the last entry while Length
// measures the first font of that name). The object stays in the file.
void PdfWriter::AddResource(std::string& list, std::vector<std::string>& names, const std::string& name,
                            std::int32_t object)
{
    for (const auto& n : names) {
        if (n == name)
            return;
    }
    names.push_back(name);
    list += '/';
    list += name;
    list += ' ';
    AppendInt(list, object);
    list += " 0 R \r";
}

// ---- document -----------------------------------------------------------------

void PdfWriter::InitPDFFile(std::string_view strFileName)
{
    std::string name(strFileName);
    InitPDFFile(name);
}

void PdfWriter::InitPDFFile(std::string& strFileName)
{
    out_.Close();
    if (strFileName.empty())
        strFileName = GeneratedFileName();
    fileName_ = strFileName;
    out_.Open(fileName_);
    BeginDocument();
}

void PdfWriter::InitPDFInMemory()
{
    out_.Close();
    fileName_.clear();
    out_.OpenMemory();
    BeginDocument();
}

std::string PdfWriter::TakeDocument()
{
    return out_.TakeMemory();
}

void PdfWriter::BeginDocument()
{
    WriteLine("%PDF-1.3");

    highestObject_ = 0;
    xref_.clear();

    char date[16];
    const std::tm now = creationTime_ ? LocalTime(*creationTime_) : LocalNow();
    std::strftime(date, sizeof date, "%Y%m%d%H%M%S", &now);

    BeginObj(1);
    std::string info;
    info += "<<";
    info += CR;
    info += "/Title (";
    AppendEscaped(info, ToAnsi(title_));
    info += ")";
    info += CR;
    info += "/Author (";
    AppendEscaped(info, ToAnsi(kAuthor));
    info += ")";
    info += CR;
    info += "/Creator  (Quillet)";
    info += CR;
    info += "/Producer (" + ToAnsi("Averno © 2011") + ")";
    info += CR;
    info += "/CreationDate (D:" + std::string(date) + "+01'00')";
    info += CR;
    info += ">>";
    WriteLine(info);
    EndObj();

    BeginObj(2);
    WriteLine("<<\r"
              "/Type /Catalog\r"
              "/Pages 3 0 R\r"
              "/PageLayout /OneColumn\r"
              "/PageMode /UseNone\r"
              "/Lang (it) \r"
              "/ViewerPreferences << /HideToolbar false /DisplayDocTitle true /HideWindowUI false >>\r"
              ">>");
    EndObj();

    highestObject_ = 4;  // 3 and 4 are written by ClosePDFFile
}

void PdfWriter::ClosePDFFile()
{
    // Object 4: the resource dictionary shared by every page.
    BeginObj(4);
    std::string res = "<<\r";
    if (!fontList_.empty())
        res += "/Font <<\r" + fontList_ + ">>\r";
    res += "/ProcSet [/PDF /Text";
    if (!imageList_.empty())
        res += " /ImageB /ImageC /ImageI";
    res += " ]\r";
    if (!imageList_.empty() || !formList_.empty())
        res += "/XObject <<\r" + imageList_ + CR + formList_ + ">>\r";
    res += ">>";
    WriteLine(res);
    EndObj();

    // Object 3: the page tree.
    const double W = pageWidth_, H = pageHeight_, M = margin_;
    BeginObj(3);
    std::string tree = "<<\r/Type /Pages\r/Count ";
    AppendInt(tree, pages_);
    tree += "\r/MediaBox [0 0 ";
    AppendNum(tree, W, 3);
    tree += ' ';
    AppendNum(tree, H, 3);
    tree += "]\r/CropBox [";
    AppendBox(tree, M, M, W - M, H - M);
    tree += "]\r";
    if (orientation_ == 2)
        tree += "/Rotate 90";
    tree += "\r/Kids [" + kids_ + " ]\r/Resources 4 0 R\r>>";
    WriteLine(tree);
    EndObj();

    // Cross-reference table: 20 bytes per entry with the CR LF of the write.
    const std::uint64_t xrefpos = out_.Offset();
    WriteLine("xref");
    std::string line = "0 ";
    AppendInt(line, highestObject_ + 1);
    WriteLine(line);
    WriteLine("0000000000 65535 f");
    char entry[32];
    for (std::int32_t n = 1; n <= highestObject_; ++n) {
        const auto offset = static_cast<std::size_t>(n) < xref_.size() ? xref_[static_cast<std::size_t>(n)] : 0;
        std::snprintf(entry, sizeof entry, "%010llu 00000 n", static_cast<unsigned long long>(offset));
        WriteLine(entry);
    }

    line = "trailer\r<<\r/Size ";
    AppendInt(line, highestObject_ + 1);
    line += "\r/Info 1 0 R\r/Root 2 0 R\r>>";
    WriteLine(line);

    line = "startxref\r";
    AppendInt(line, static_cast<std::int64_t>(xrefpos));
    line += "\r%%EOF";
    WriteLine(line);
    out_.Close();
}

}  // namespace pdf
