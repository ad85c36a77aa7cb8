// libFuzzer target for PdfWriter::LeggeBMP, the reader of outside bitmap files.
//
// The first input byte chooses the mode: an odd byte builds a valid header
// for a small bitmap and then overwrites header fields with the following
// bytes (so the fuzzer reaches the deep checks at once); an even byte takes
// the rest of the input as the file itself. Every input is written to a file
// and read by LeggeBMP as the program would; a bitmap it accepts must have
// arrays of exactly the promised sizes, must read the same from memory, and
// is then written as an image (plain or ASCII85) into a PDF going to /dev/null.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "pdf/bmp_reader.h"
#include "pdf/pdf_writer.h"

namespace {

std::string FilePath()
{
    static const std::string path = [] {
        // memory-backed when possible: rewriting one file on ext4 waits for the disk
        const std::filesystem::path base =
            std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
        std::string dir = (base / "fuzz-bmp-XXXXXX").string();
        if (!mkdtemp(dir.data()))
            std::abort();
        static std::string made = dir;
        std::atexit([] { std::filesystem::remove_all(made); });
        return dir + "/input.bmp";
    }();
    return path;
}

void Put(std::vector<std::uint8_t>& s, std::size_t at, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        s[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A valid header for a small bitmap chosen by the input, then up to eight
// fields overwritten, then the remaining input as palette and pixel bytes.
std::vector<std::uint8_t> Structured(const std::uint8_t* data, std::size_t size)
{
    auto next = [&](std::size_t& i) -> std::uint8_t { return i < size ? data[i++] : 0; };
    std::size_t i = 0;
    const int bitsTable[] = {1, 4, 8, 24};
    const int width = 1 + next(i) % 64;
    const int height = 1 + next(i) % 64;
    const int bits = bitsTable[next(i) % 4];
    const std::uint32_t paletteBytes = bits <= 8 ? 4u << bits : 0;
    std::vector<std::uint8_t> s(54, 0);
    s[0] = 'B', s[1] = 'M';
    const std::uint32_t rowBytes = static_cast<std::uint32_t>((width * bits + 31) / 32 * 4);
    Put(s, 2, 54 + paletteBytes + rowBytes * static_cast<std::uint32_t>(height), 4);
    Put(s, 10, 54 + paletteBytes, 4);
    Put(s, 14, 40, 4);
    Put(s, 18, static_cast<std::uint32_t>(width), 4);
    Put(s, 22, static_cast<std::uint32_t>(height), 4);
    Put(s, 26, 1, 2);
    Put(s, 28, static_cast<std::uint32_t>(bits), 2);
    const int patches = next(i) % 9;
    for (int p = 0; p < patches; ++p) {
        const std::size_t at = next(i) % 51;
        std::uint32_t v = next(i);
        v |= static_cast<std::uint32_t>(next(i)) << 8;
        v |= static_cast<std::uint32_t>(next(i)) << 16;
        v |= static_cast<std::uint32_t>(next(i)) << 24;
        Put(s, at, v, 4);
    }
    if (i < size)
        s.insert(s.end(), data + i, data + size);
    return s;
}

void Check(bool ok)
{
    if (!ok)
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t mode = data[0];
    const std::vector<std::uint8_t> file =
        (mode & 1) ? Structured(data + 1, size - 1) : std::vector<std::uint8_t>(data + 1, data + size);
    const std::int32_t colorSpace = (mode & 2) ? 1 : 0;

    const std::string path = FilePath();
    std::FILE* f = std::fopen(path.c_str(), "wb");
    Check(f != nullptr);
    if (!file.empty())
        Check(std::fwrite(file.data(), 1, file.size(), f) == file.size());
    std::fclose(f);

    pdf::PdfWriter writer;
    std::vector<std::uint8_t> buf, pal;
    std::int32_t width = 0, height = 0;
    std::uint8_t bpp = 0;
    const bool ok = writer.LeggeBMP(path, buf, pal, width, height, bpp, colorSpace);

    // the same bytes read from memory give the same answer
    pdf::MemorySource memory(file.data(), file.size());
    pdf::BmpImage image;
    Check(pdf::ReadBmp(memory, colorSpace, image) == ok);
    // and turned into rows where they lie, the same again
    std::vector<std::uint8_t> inPlace = file;
    pdf::BmpView view;
    Check(pdf::ReadBmpInPlace(inPlace, colorSpace, view) == ok);
    if (!ok)
        return 0;
    Check(image.ImgBuf == buf && image.ImgColor == pal);
    Check(std::equal(view.ImgBuf.begin(), view.ImgBuf.end(), buf.begin(), buf.end()) && view.ImgColor == pal);

    Check(width > 0 && height > 0 && width <= pdf::kMaxBmpDimension && height <= pdf::kMaxBmpDimension);
    Check(bpp == 1 || bpp == 4 || bpp == 8 || bpp == 24);
    const std::size_t w = static_cast<std::size_t>(width), h = static_cast<std::size_t>(height);
    const std::size_t perRow = bpp == 24 ? (colorSpace ? w : 3 * w) : (w * bpp + 7) / 8;
    Check(buf.size() == perRow * h);
    Check(pal.size() == (bpp <= 8 ? (std::size_t{1} << bpp) * (colorSpace ? 1 : 3) : 0));

    if (buf.size() <= 1 << 20) {
        writer.EncodeASCII85((mode & 4) != 0);
        writer.InitPDFFile("/dev/null");
        writer.LoadImgFromBuffer("Img1", buf, pal, width, height, bpp, colorSpace);
        writer.StartPage();
        writer.DrawImg("Img1", 0, 842, 100, 100);
        writer.EndPage();
        writer.ClosePDFFile();
    }
    return 0;
}
