// Helpers of the PdfWriter tests: temporary folders, outside tools, a small
// reader of the files PdfWriter writes, bitmaps written from the BMP layout.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace pdftest {

// A fresh folder under the system's temporary folder, removed afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

struct CommandResult {
    int exitCode = -1;
    std::string output;  // stdout and stderr
};
CommandResult Run(const std::string& command);
std::string Quote(const std::string& path);

// The file as PdfWriter lays it out, taken apart by the test's own reading:
// the objects by number (the bytes between "N 0 obj" CR LF and
// "endobj" CR LF) and the data of every stream.
struct PdfFile {
    std::string bytes;
    std::uint64_t xrefOffset = 0;
    int size = 0;                       // the trailer's /Size
    std::map<int, std::uint64_t> offsets;
    std::map<int, std::string> objects;  // whole body, stream included
    std::map<int, std::string> dicts;    // the body up to ">>" CR "stream" for streams
    std::map<int, std::string> streams;  // stream data, exactly /Length bytes
    std::vector<std::string> problems;   // every structural fault found

    // Lines of a stream split at CR LF (the last, empty, piece dropped).
    std::vector<std::string> StreamLines(int object) const;
    // The content stream of page object `page`.
    int ContentsOf(int page) const;
};

// Reads the file and checks, by itself: the header, startxref pointing at
// "xref", the table's 20-byte entries, every offset pointing exactly at its
// "N 0 obj", every /Length (direct or indirect) equal to the bytes of its
// stream, the trailer.
PdfFile ParsePdf(const std::string& path);

// qpdf --check: exit code 0 and no warning. Returns the output when it fails,
// an empty text when it passes.
std::string QpdfProblems(const std::string& path);

// ParsePdf plus qpdf --check; reports every problem as a test failure.
PdfFile CheckPdf(const std::string& path);

// pdftotext of the whole file, UTF-8, layout kept.
std::string PdfToText(const std::string& path);

// A bitmap file written from the BMP layout (14-byte file header, 40-byte
// information header, palette of blue, green, red, 0, rows bottom-up padded
// to 4 bytes). `pixel(x, y)` gives the palette index (1, 4, 8 bits) or
// 0xRRGGBB (24 bits) of the pixel at column x, row y counted from the top.
std::string MakeBmp(int width, int height, int bits, const std::vector<std::array<std::uint8_t, 3>>& palette,
                    const std::function<std::uint32_t(int x, int y)>& pixel);

// A picture rendered by pdftoppm (P6 PPM).
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
    std::array<int, 3> at(int x, int y) const
    {
        const auto* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
        return {p[0], p[1], p[2]};
    }
};
Picture ReadPpm(const std::string& path);

}  // namespace pdftest
