// PdfWriter: the program's own forward-only writer of PDF 1.3 files.
// Standard C++ only.
//
// Units: every coordinate and length is in ScaleMode units (1 points,
// 2 inches, 3 millimetres, 4 centimetres), origin at the bottom-left corner of
// the page, y upward. Texts are UTF-8 and are written as Windows-1252.
//
// Calling order: set the properties (ScaleMode before any length), InitPDFFile,
// fonts, images and form objects, then per page StartPage, drawing, EndPage,
// finally ClosePDFFile. Fonts, images and form objects must be created while
// no page is open: they are written where they are created.
//
// Failures: a file that cannot be created or written throws std::system_error;
// writing with no file open throws std::logic_error. Nothing else is reported.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pdf/output_stream.h"

namespace pdf {

class PdfWriter {
public:
    PdfWriter();
    ~PdfWriter();
    PdfWriter(const PdfWriter&) = delete;
    PdfWriter& operator=(const PdfWriter&) = delete;

    // ---- properties --------------------------------------------

    // Image data loaded after this is written ASCII85-encoded.
    void EncodeASCII85(bool value) { encodeAscii85_ = value; }
    bool EncodeASCII85() const { return encodeAscii85_; }
    // Inset of the crop box and form bounding boxes; converted to points when set.
    void Margin(float value);
    float Margin() const;
    // Page width and height; converted to points when set.
    void PaperWidth(float value);
    float PaperWidth() const;
    void PaperHeight(float value);
    float PaperHeight() const;
    // Number of pages started.
    std::int16_t Pages() const { return pages_; }
    // Unit of all later coordinates; set it before Margin, PaperWidth, PaperHeight.
    void ScaleMode(std::int32_t value) { scaleMode_ = value; }
    std::int32_t ScaleMode() const { return scaleMode_; }
    // 0 595.2 x 842, 1 842 x 1190.5, 2 612 x 792, 3 612 x 864; others only stored.
    void PaperSize(std::int32_t value);
    std::int32_t PaperSize() const { return paperSize_; }
    // 2 writes "/Rotate 90" in the page tree; anything else is portrait.
    void Orientation(std::int32_t value) { orientation_ = value; }
    std::int32_t Orientation() const { return orientation_; }
    // The moment the Info dictionary gives as creation date; the moment of
    // InitPDFFile when never set. The same page at the same moment is the
    // same bytes.
    void CreationTime(std::time_t moment) { creationTime_ = moment; }
    // Document title of the Info dictionary.
    void Title(std::string_view value) { title_ = value; }
    const std::string& Title() const { return title_; }

    // ---- document ----------------------------------------------

    // Creates the file, writes the header, Info (1) and Catalog (2). An empty
    // name is replaced by "~" + hex + ".pdf" in the program folder and handed
    // back through the argument.
    void InitPDFFile(std::string& strFileName);
    void InitPDFFile(std::string_view strFileName = {});
    // As InitPDFFile, with the document kept in memory: after ClosePDFFile,
    // TakeDocument hands over its bytes, the same a file would hold.
    void InitPDFInMemory();
    std::string TakeDocument();
    // Writes resources (4), page tree (3), cross-reference table and trailer; closes.
    void ClosePDFFile();

    // ---- pages and text ------------------------------------------

    // Writes the page object and opens its content stream; draws the forms
    // registered for this page. Returns the new page number.
    std::int16_t StartPage();
    // Closes the content stream and writes its length object.
    void EndPage();
    // Write "Tw", "Tc", "Tz" (text space units, not converted) and keep the value for Length.
    void SetWordSpacing(float W);
    void SetCharSpacing(float W);
    void SetTextHorizontalScaling(float W);
    // Writes "Tr" for 0 to 2, nothing otherwise.
    void SetTextRenderingMode(float W);
    // Writes BT, Tf, Td (or Tm when rotated), Tj, ET. Align 2 right, 3 centred,
    // anything else left; Rotate in degrees counter-clockwise.
    void DrawText(float x, float y, std::string_view strTemp, std::string_view FontName, float Fontsize,
                  std::int32_t Align = 1, float Rotate = 0);

    // ---- colours and line style ----------------------------------

    // Writes "RG" for a colour 0xBBGGRR (> 0), "G" for a grey level -255..0 (0 black).
    void SetColorStroke(std::int32_t rgb);
    // Writes "rg" or "g", as SetColorStroke.
    void SetColorFill(std::int32_t rgb);
    // Writes "d": "[ ] 0 d" for a solid line.
    void SetDash(float dash_on, float dash_off = 0);
    // Writes "w".
    void SetLineWidth(float W);
    // Writes "J" for 0 to 2, nothing otherwise.
    void SetLineCap(std::int16_t W);
    // Writes "j" for 0 to 2, nothing otherwise.
    void SetLineJoin(std::int16_t W);
    // Writes "M" for 1 or more, nothing otherwise.
    void SetMiterLimit(float W);

    // ---- paths (Options: 4 fill, 2 close, 1 stroke, 0 keep open) --

    // Writes "m".
    void MoveTo(float x, float y);
    // Writes "l" and paints the path.
    void LineTo(float x, float y, std::int32_t Options = 1);
    // Writes "n", then "re" (or a rounded outline when Ray > 0) and paints the path.
    void Rectangle(float x, float y, float xdim, float ydim, std::int32_t Options = 1, float Ray = 0);
    // Writes "c" and paints the path.
    void Curve(float x1, float y1, float X2, float Y2, float X3, float Y3, std::int32_t Options = 1);
    // Writes "m" and four "c" and paints the path.
    void DrawCircle(float x, float y, float Ray, std::int32_t Options = 1);
    // Writes an elliptic arc or pie as straight segments, one per Quality
    // degrees, and paints the path. Quality 0 or less draws nothing.
    void Arc(float x, float y, float Ray, float StartAngle = 0, float EndAngle = 360, float Ratio = 1,
             bool Pie = false, float Rotate = 0, std::int16_t Quality = 1, std::int32_t Options = 1);

    // ---- fonts -------------------------------------------------------

    // Writes a Type1 font resource by name only; Length measures it as 0.
    void LoadFontStandard(std::string_view Name, std::string_view BaseFont, std::int32_t Options = 1);
    // Writes a TrueType font resource with built-in widths and its descriptor
    // (Arial, Times New Roman, Courier New, Symbol; others fall back to Arial).
    // Options 1 regular, 2 bold, 3 italic, 4 bold italic.
    void LoadFont(std::string_view Name, std::string_view BaseFont, std::int32_t Options = 1);
    // Width of Phrase in ScaleMode units, in a font loaded by LoadFont, at
    // Fontsize points with the current text state; 0 for any other name.
    float Length(std::string_view Phrase, std::string_view FontName, float Fontsize) const;

    // ---- images and form objects -----------------------------------

    // LeggeBMP, then LoadImgFromBuffer; false (and nothing written) when the
    // file is not a bitmap this writer reads.
    bool LoadImgFromBMPFile(std::string_view Name, std::string_view FileName, std::int32_t ColorSpace = 0);
    // Writes an image XObject (and its palette for 1, 4, 8 bits). ImgBuf holds
    // the rows bottom row first; ColorSpace 0 colour, anything else grey.
    void LoadImgFromBuffer(std::string_view Name, std::span<const std::uint8_t> ImgBuf,
                           std::span<const std::uint8_t> ImgColor, std::int32_t ImgWidth,
                           std::int32_t ImgHeight, std::uint8_t ImgBPP, std::int32_t ColorSpace = 0);
    // Reads an uncompressed bottom-up Windows bitmap of 1, 4, 8 or 24 bits.
    // False for anything else (every header field and size is checked first),
    // a pipe, a device or a folder among it; a file that cannot be opened
    // throws std::system_error. The outputs are
    // set only on success.
    bool LeggeBMP(std::string_view FileName, std::vector<std::uint8_t>& ImgBuf,
                  std::vector<std::uint8_t>& ImgColor, std::int32_t& ImgWidth, std::int32_t& ImgHeight,
                  std::uint8_t& ImgBPP, std::int32_t ColorSpace = 0);
    // Writes "q … cm /Name Do Q": the image upright with its top-left corner at (DestX, DestY).
    void DrawImg(std::string_view Name, float DestX, float DestY, float ImgWidth, float ImgHeight);
    // Opens a form XObject; what is drawn until EndObject goes into it. Options
    // choose the pages it is drawn on automatically (2 odd only, 4 even only,
    // 4 + 8 also page 1, 7 never, 0 every page).
    void StartObject(std::string_view Name, std::int32_t Options = 0);
    // Closes the form's stream and writes its length object.
    void EndObject();
    // Writes "/Name Do".
    void DrawObject(std::string_view Name);

private:
    struct FontMetrics {
        std::string BaseFontName;
        std::uint8_t FirstChar = 0;
        std::uint8_t LastChar = 0;
        std::string Descriptor;
        std::int32_t Widths[256] = {};  // by character code; code 0 unused
        std::int32_t MissingWidth = 0;
    };
    struct FontIndexEntry {
        std::string Name;  // resource name, Windows-1252
        std::size_t Record;
    };
    struct FormObject {
        std::string Name;  // Windows-1252
        std::int32_t Options;
    };

    void BeginDocument();
    void WriteLine(std::string_view text);
    void WriteOperator(double value, std::string_view op);
    void WritePointOperator(double x, double y, std::string_view op);
    std::int32_t BeginObj(std::int32_t n);
    void EndObj();
    double ToPoints(double v) const;
    double FromPoints(double v) const;
    void PaintPath(std::int32_t Options);
    void DrawPageForms();
    void WriteStreamLength();
    void SetColor(std::int32_t rgb, bool stroke);
    void AddResource(std::string& list, std::vector<std::string>& names, const std::string& name,
                     std::int32_t object);

    OutputStream out_;
    std::string line_;  // the line being built, reused to spare allocations

    std::string fileName_;
    std::string title_ = "(senza titolo)";
    std::optional<std::time_t> creationTime_;
    std::int32_t scaleMode_ = 1;
    std::int32_t paperSize_ = 0;
    float pageWidth_ = 595.2f;
    float pageHeight_ = 842.0f;
    std::int32_t orientation_ = 1;
    float margin_ = 0.0f;
    bool encodeAscii85_ = false;
    std::int16_t pages_ = 0;

    std::int32_t highestObject_ = 0;
    std::vector<std::uint64_t> xref_;  // by object number; [0] unused
    std::string kids_;
    std::string fontList_;
    std::string imageList_;
    std::string formList_;
    std::vector<std::string> fontNames_;     // names in the font list
    std::vector<std::string> xobjectNames_;  // names in the image and form lists
    std::vector<FontIndexEntry> fontIndex_;
    std::vector<FontMetrics> fontMetrics_;
    std::vector<FormObject> forms_;
    std::uint64_t streamStart_ = 0;

    float charSpacing_ = 0.0f;
    float wordSpacing_ = 0.0f;
    float horizontalScaling_ = 100.0f;
};

}  // namespace pdf
