// Image XObjects from bitmap files and pixel buffers.
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "pdf/ascii85.h"
#include "pdf/bmp_reader.h"
#include "pdf/number_format.h"
#include "pdf/pdf_writer.h"
#include "pdf/text_encoding.h"

namespace pdf {

bool PdfWriter::LoadImgFromBMPFile(std::string_view Name, std::string_view FileName, std::int32_t ColorSpace)
{
    std::vector<std::uint8_t> ImgBuf, ImgColor;
    std::int32_t ImgWidth = 0, ImgHeight = 0;
    std::uint8_t ImgBPP = 0;
    const bool ok = LeggeBMP(FileName, ImgBuf, ImgColor, ImgWidth, ImgHeight, ImgBPP, ColorSpace);
    if (ok)
        LoadImgFromBuffer(Name, ImgBuf, ImgColor, ImgWidth, ImgHeight, ImgBPP, ColorSpace);
    return ok;
}

bool PdfWriter::LeggeBMP(std::string_view FileName, std::vector<std::uint8_t>& ImgBuf,
                         std::vector<std::uint8_t>& ImgColor, std::int32_t& ImgWidth, std::int32_t& ImgHeight,
                         std::uint8_t& ImgBPP, std::int32_t ColorSpace)
{
    const std::string path(FileName);
    // Opening a named pipe would wait for a writer for ever, and a device may never end.
    std::error_code ec;
    const auto type = std::filesystem::status(path, ec).type();
    if (type != std::filesystem::file_type::regular && type != std::filesystem::file_type::not_found)
        return false;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file)
        throw std::system_error(errno ? errno : ENOENT, std::generic_category(), "PdfWriter: cannot open " + path);
    FileSource source(file.get());
    BmpImage image;
    if (!ReadBmp(source, ColorSpace, image))
        return false;
    ImgBuf = std::move(image.ImgBuf);
    ImgColor = std::move(image.ImgColor);
    ImgWidth = image.ImgWidth;
    ImgHeight = image.ImgHeight;
    ImgBPP = image.ImgBPP;
    return true;
}

void PdfWriter::LoadImgFromBuffer(std::string_view Name, std::span<const std::uint8_t> ImgBuf,
                                  std::span<const std::uint8_t> ImgColor, std::int32_t ImgWidth,
                                  std::int32_t ImgHeight, std::uint8_t ImgBPP, std::int32_t ColorSpace)
{
    // 1.-3. the image dictionary
    const std::int32_t I = BeginObj(0);
    const char* cs = ColorSpace == 0 ? "DeviceRGB" : "DeviceGray";
    const std::string name = ToAnsi(Name);
    line_ = "<<\r/Type /XObject\r/Subtype /Image\r/Name /" + name + "\r/Width ";
    AppendInt(line_, ImgWidth);
    line_ += "\r/Height ";
    AppendInt(line_, ImgHeight);
    if (encodeAscii85_)
        line_ += "\r/Filter /ASCII85Decode";
    WriteLine(line_);
    if (ImgBPP == 24) {
        line_ = "/BitsPerComponent 8\r/ColorSpace /";
        line_ += cs;
        line_ += "\r/Length ";
        AppendInt(line_, I + 1);
        line_ += " 0 R";
        WriteLine(line_);
    } else if (ImgBPP == 1 || ImgBPP == 4 || ImgBPP == 8) {
        line_ = "/BitsPerComponent ";
        AppendInt(line_, ImgBPP);
        line_ += "\r/ColorSpace [/Indexed /";
        line_ += cs;
        line_ += ' ';
        AppendInt(line_, (1 << ImgBPP) - 1);
        line_ += ' ';
        AppendInt(line_, I + 2);
        line_ += " 0 R]\r/Length ";
        AppendInt(line_, I + 1);
        line_ += " 0 R";
        WriteLine(line_);
    }

    // 4. the data. "stream" is followed by CR LF, not a lone CR: a
    // reader takes CR LF as the end of that line, and data starting with a
    // line feed would lose its first byte.
    std::string encoded;
    std::span<const std::uint8_t> data = ImgBuf;
    if (encodeAscii85_) {
        encoded = Ascii85Encode(ImgBuf);
        data = {reinterpret_cast<const std::uint8_t*>(encoded.data()), encoded.size()};
    }
    out_.Write(std::string_view(">>\rstream\r\n"));
    out_.Write(data);
    WriteLine("\rendstream");
    EndObj();

    // 5.
    AddResource(imageList_, xobjectNames_, name, I);

    // 6. the length: every byte of the data, "~>" included ("less 2" would
    // leave the stream two bytes longer than declared)
    BeginObj(0);
    line_.clear();
    AppendInt(line_, static_cast<std::int64_t>(data.size()));
    WriteLine(line_);
    EndObj();

    // 7. the palette
    if (ImgBPP < 9) {
        BeginObj(0);
        std::string encodedPalette;
        std::span<const std::uint8_t> pal = ImgColor;
        if (encodeAscii85_) {
            encodedPalette = Ascii85Encode(ImgColor);
            pal = {reinterpret_cast<const std::uint8_t*>(encodedPalette.data()), encodedPalette.size()};
        }
        line_ = "<<";
        if (encodeAscii85_)
            line_ += "/Filter /ASCII85Decode\r";
        line_ += "/Length ";
        AppendInt(line_, static_cast<std::int64_t>(pal.size()));
        line_ += " >>\rstream\r\n";
        out_.Write(line_);
        out_.Write(pal);
        WriteLine("\rendstream");
        EndObj();
    }
}

void PdfWriter::DrawImg(std::string_view Name, float DestX, float DestY, float ImgWidth, float ImgHeight)
{
    // the matrix W 0 0 -H X Y puts the first data row (the bitmap's bottom
    // row) at the bottom: the picture stands upright below (DestX, DestY)
    line_ = "q\r";
    AppendNum(line_, ToPoints(ImgWidth), 3);
    line_ += "  0 0 -";
    AppendNum(line_, ToPoints(ImgHeight), 3);
    line_ += ' ';
    AppendNum(line_, ToPoints(DestX), 3);
    line_ += ' ';
    AppendNum(line_, ToPoints(DestY), 3);
    line_ += " cm\r/";
    AppendAnsi(line_, Name);
    line_ += " Do\rQ";
    WriteLine(line_);
}

}  // namespace pdf
