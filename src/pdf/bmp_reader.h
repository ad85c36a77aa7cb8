// Reading Windows bitmaps for LeggeBMP, with every header field
// and size checked before anything is allocated or copied.
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <vector>

namespace pdf {

// Where the bitmap bytes come from: a file, or memory.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t Size() const = 0;
    // Copies n bytes from offset; false when they are not all there.
    virtual bool Read(std::uint64_t offset, std::uint8_t* dest, std::size_t n) = 0;
};

class MemorySource : public ByteSource {
public:
    MemorySource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint64_t Size() const override { return size_; }
    bool Read(std::uint64_t offset, std::uint8_t* dest, std::size_t n) override;

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

class FileSource : public ByteSource {
public:
    explicit FileSource(std::FILE* file);  // the caller keeps ownership
    std::uint64_t Size() const override { return size_; }
    bool Read(std::uint64_t offset, std::uint8_t* dest, std::size_t n) override;

private:
    std::FILE* file_;
    std::uint64_t size_ = 0;
};

// The arrays LeggeBMP hands back: ImgBuf rows bottom row first without padding,
// ImgColor the palette (3 bytes an entry for colour, 1 for grey).
struct BmpImage {
    std::vector<std::uint8_t> ImgBuf;
    std::vector<std::uint8_t> ImgColor;
    std::int32_t ImgWidth = 0;
    std::int32_t ImgHeight = 0;
    std::uint8_t ImgBPP = 0;
};

// Limits beyond which a bitmap is refused.
inline constexpr std::int32_t kMaxBmpDimension = 20000;
inline constexpr std::uint64_t kMaxBmpPixelBytes = 256ull * 1024 * 1024;

// True when the source holds an uncompressed bottom-up bitmap of 1, 4, 8 or
// 24 bits with positive width and height whose pixel data lie inside it and
// within the limits; then `image` holds its arrays. ColorSpace 0 colour,
// anything else grey. Never reads outside the source.
bool ReadBmp(ByteSource& source, std::int32_t ColorSpace, BmpImage& image);

// The same arrays for a whole bitmap file in memory, the rows turned into
// ImgBuf where they lie: ImgBuf points into `file`, which the call changes.
struct BmpView {
    std::span<const std::uint8_t> ImgBuf;
    std::vector<std::uint8_t> ImgColor;
    std::int32_t ImgWidth = 0;
    std::int32_t ImgHeight = 0;
    std::uint8_t ImgBPP = 0;
};
bool ReadBmpInPlace(std::span<std::uint8_t> file, std::int32_t ColorSpace, BmpView& image);

// 0.33 r + 0.59 g + 0.11 b to the nearest whole number, halves to even, at most 255.
std::uint8_t GreyValue(std::uint8_t r, std::uint8_t g, std::uint8_t b);

}  // namespace pdf
