#include "pdf/bmp_reader.h"

#include <cstring>

namespace pdf {
namespace {

std::uint16_t U16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

std::uint32_t U32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::int32_t I32(const std::uint8_t* p)
{
    return static_cast<std::int32_t>(U32(p));
}

// Four pixels of blue, green, red become red, green, blue: 12 bytes as three
// little-endian words, read before any is written (d may equal s).
void SwapFourPixels(const std::uint8_t* s, std::uint8_t* d)
{
    std::uint32_t w0, w1, w2;
    std::memcpy(&w0, s, 4);
    std::memcpy(&w1, s + 4, 4);
    std::memcpy(&w2, s + 8, 4);
    // in:  B0 G0 R0 B1 | G1 R1 B2 G2 | R2 B3 G3 R3
    // out: R0 G0 B0 R1 | G1 B1 R2 G2 | B2 R3 G3 B3
    const std::uint32_t o0 = ((w0 >> 16) & 0xFF) | (w0 & 0xFF00) | ((w0 & 0xFF) << 16) | (((w1 >> 8) & 0xFF) << 24);
    const std::uint32_t o1 = (w1 & 0xFF) | ((w0 >> 24) << 8) | ((w2 & 0xFF) << 16) | (w1 & 0xFF000000);
    const std::uint32_t o2 = ((w1 >> 16) & 0xFF) | ((w2 >> 24) << 8) | (w2 & 0xFF0000) | (((w2 >> 8) & 0xFF) << 24);
    std::memcpy(d, &o0, 4);
    std::memcpy(d + 4, &o1, 4);
    std::memcpy(d + 8, &o2, 4);
}

}  // namespace

bool MemorySource::Read(std::uint64_t offset, std::uint8_t* dest, std::size_t n)
{
    if (offset > size_ || n > size_ - offset)
        return false;
    if (n > 0)
        std::memcpy(dest, data_ + offset, n);
    return true;
}

FileSource::FileSource(std::FILE* file) : file_(file)
{
    if (std::fseek(file_, 0, SEEK_END) == 0) {
        const long end = std::ftell(file_);
        if (end > 0)
            size_ = static_cast<std::uint64_t>(end);
    }
}

bool FileSource::Read(std::uint64_t offset, std::uint8_t* dest, std::size_t n)
{
    if (offset > size_ || n > size_ - offset)
        return false;
    if (std::fseek(file_, static_cast<long>(offset), SEEK_SET) != 0)
        return false;
    return std::fread(dest, 1, n, file_) == n;
}

std::uint8_t GreyValue(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    // exact in hundredths: no binary fraction decides a half
    const int hundredths = 33 * r + 59 * g + 11 * b;
    int grey = hundredths / 100;
    const int rest = hundredths % 100;
    if (rest > 50 || (rest == 50 && grey % 2 == 1))
        ++grey;
    return static_cast<std::uint8_t>(grey > 255 ? 255 : grey);
}

namespace {

// What the headers say of the pixels, every field checked against the source.
struct BmpLayout {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t bits = 0;
    std::uint64_t pixelOffset = 0;
    std::uint64_t dataBytes = 0;   // of one row, without padding
    std::uint64_t rowSize = 0;     // of one row in the file
    std::vector<std::uint8_t> palette;
};

bool ReadLayout(ByteSource& source, bool grey, BmpLayout& layout)
{
    const std::uint64_t fileSize = source.Size();
    std::uint8_t header[54];
    if (!source.Read(0, header, sizeof header))
        return false;

    // file header: type, file size, two reserved words, offset of the pixels
    if (header[0] != 'B' || header[1] != 'M')
        return false;
    const std::uint64_t pixelOffset = U32(header + 10);

    // information header (40 bytes, or a later version that starts alike)
    const std::uint64_t infoSize = U32(header + 14);
    const std::int32_t width = I32(header + 18);
    const std::int32_t height = I32(header + 22);  // negative: top-down, refused
    const std::uint16_t planes = U16(header + 26);
    const std::uint16_t bits = U16(header + 28);
    const std::uint32_t compression = U32(header + 30);
    const std::uint32_t colorsUsed = U32(header + 46);

    if (infoSize < 40 || 14 + infoSize > fileSize)
        return false;
    if (planes != 1 || compression != 0)
        return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24)
        return false;
    if (width <= 0 || height <= 0 || width > kMaxBmpDimension || height > kMaxBmpDimension)
        return false;

    // palette: 2^bits entries of blue, green, red, reserved after the
    // information header; fewer when the header says so (the rest stay black)
    const std::uint64_t paletteOffset = 14 + infoSize;
    if (bits <= 8) {
        const std::uint32_t entries = 1u << bits;
        const std::uint32_t stored = colorsUsed == 0 ? entries : colorsUsed;
        if (stored > entries || paletteOffset + 4ull * stored > pixelOffset)
            return false;
        std::uint8_t raw[256 * 4];
        if (!source.Read(paletteOffset, raw, 4ull * stored))
            return false;
        layout.palette.assign(static_cast<std::size_t>(entries) * (grey ? 1 : 3), 0);
        for (std::uint32_t i = 0; i < stored; ++i) {
            const std::uint8_t b = raw[4 * i], g = raw[4 * i + 1], r = raw[4 * i + 2];
            if (grey) {
                layout.palette[i] = GreyValue(r, g, b);
            } else {
                layout.palette[3 * i] = r;
                layout.palette[3 * i + 1] = g;
                layout.palette[3 * i + 2] = b;
            }
        }
    } else if (paletteOffset > pixelOffset) {
        return false;
    }

    // pixel rows: width x bits rounded up to bytes, then to 4 bytes
    const std::uint64_t dataBytes = (static_cast<std::uint64_t>(width) * bits + 7) / 8;
    const std::uint64_t rowSize = (dataBytes + 3) / 4 * 4;
    const std::uint64_t pixelBytes = rowSize * static_cast<std::uint64_t>(height);
    if (pixelBytes > kMaxBmpPixelBytes || pixelOffset > fileSize || pixelBytes > fileSize - pixelOffset)
        return false;

    layout.width = width;
    layout.height = height;
    layout.bits = bits;
    layout.pixelOffset = pixelOffset;
    layout.dataBytes = dataBytes;
    layout.rowSize = rowSize;
    return true;
}

std::uint64_t PixelBytes(const BmpLayout& layout)
{
    return layout.rowSize * static_cast<std::uint64_t>(layout.height);
}

// Turns the rows as the file holds them into ImgBuf's rows, in place, front
// to back: every pixel's output lies at or before its input, and each pixel
// is read whole before it is written. Returns the bytes of ImgBuf.
std::size_t ConvertRows(std::uint8_t* const data, const BmpLayout& layout, bool grey)
{
    const auto w = static_cast<std::size_t>(layout.width), h = static_cast<std::size_t>(layout.height);
    const auto stride = static_cast<std::size_t>(layout.rowSize);
    if (layout.bits <= 8) {
        const auto n = static_cast<std::size_t>(layout.dataBytes);
        for (std::size_t y = 1; y < h; ++y)
            std::memmove(data + y * n, data + y * stride, n);
        return n * h;
    }
    if (!grey) {
        for (std::size_t y = 0; y < h; ++y) {
            const std::uint8_t* s = data + y * stride;
            std::uint8_t* d = data + y * 3 * w;
            std::size_t x = 0;
            for (; x + 4 <= w; x += 4, s += 12, d += 12)
                SwapFourPixels(s, d);
            for (; x < w; ++x, s += 3, d += 3) {
                const std::uint8_t b = s[0], g = s[1], r = s[2];
                d[0] = r;
                d[1] = g;
                d[2] = b;
            }
        }
        return 3 * w * h;
    }
    for (std::size_t y = 0; y < h; ++y) {
        const std::uint8_t* s = data + y * stride;
        std::uint8_t* d = data + y * w;
        for (std::size_t x = 0; x < w; ++x, s += 3)
            *d++ = GreyValue(s[2], s[1], s[0]);
    }
    return w * h;
}

}  // namespace

bool ReadBmp(ByteSource& source, std::int32_t ColorSpace, BmpImage& image)
{
    const bool grey = ColorSpace != 0;
    BmpLayout layout;
    if (!ReadLayout(source, grey, layout))
        return false;
    std::vector<std::uint8_t> buf(static_cast<std::size_t>(PixelBytes(layout)));
    if (!source.Read(layout.pixelOffset, buf.data(), buf.size()))
        return false;
    buf.resize(ConvertRows(buf.data(), layout, grey));

    image.ImgBuf = std::move(buf);
    image.ImgColor = std::move(layout.palette);
    image.ImgWidth = layout.width;
    image.ImgHeight = layout.height;
    image.ImgBPP = static_cast<std::uint8_t>(layout.bits);
    return true;
}

bool ReadBmpInPlace(std::span<std::uint8_t> file, std::int32_t ColorSpace, BmpView& image)
{
    const bool grey = ColorSpace != 0;
    MemorySource source(file.data(), file.size());
    BmpLayout layout;
    if (!ReadLayout(source, grey, layout))
        return false;
    std::uint8_t* const rows = file.data() + layout.pixelOffset;
    image.ImgBuf = std::span<const std::uint8_t>(rows, ConvertRows(rows, layout, grey));
    image.ImgColor = std::move(layout.palette);
    image.ImgWidth = layout.width;
    image.ImgHeight = layout.height;
    image.ImgBPP = static_cast<std::uint8_t>(layout.bits);
    return true;
}

}  // namespace pdf
