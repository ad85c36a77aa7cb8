#pragma once

// The image the filters and canvas operations work on: a 32-bit top-down
// bitmap, per pixel blue, green, red and a reserved byte, rows of 4 * width
// bytes from the top. That is the memory layout of a 32-bit device-independent
// bitmap and of a little-endian QImage::Format_RGB32, so a canvas converts
// with one copy each way.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace imaging {

// Byte offsets inside a pixel.
enum Kanaal : int { Blauw = 0, Groen = 1, Rood = 2, Gereserveerd = 3 };

struct Kleur {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;
    bool operator==(const Kleur&) const = default;
};

// Components of a colour value R + 256 * G + 65536 * B. R is the signed
// remainder, so a negative value gives a negative R.
struct KleurDelen {
    int R = 0;
    int G = 0;
    int B = 0;
};
KleurDelen SplitsKleur(std::int32_t kleur);

class Pixels {
public:
    static constexpr int BytesPerPixel = 4;

    Pixels() = default;
    // All bytes 0 (black, reserved 0). Negative sizes are rejected.
    Pixels(int width, int height);
    // Copies width * height * 4 bytes laid out as described above.
    Pixels(int width, int height, const std::uint8_t* bgra);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    std::ptrdiff_t BytesPerLine() const { return std::ptrdiff_t{width_} * BytesPerPixel; }
    std::size_t ByteCount() const { return bytes_.size(); }
    std::uint8_t* Data() { return bytes_.data(); }
    const std::uint8_t* Data() const { return bytes_.data(); }

    // x and y count from 0 at the top-left; no bounds check.
    std::uint8_t* Pixel(int x, int y) { return bytes_.data() + Offset(x, y); }
    const std::uint8_t* Pixel(int x, int y) const { return bytes_.data() + Offset(x, y); }

    bool Bevat(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // The colour of a pixel inside the image; the reserved byte is neither
    // read nor written.
    Kleur KleurOp(int x, int y) const
    {
        const std::uint8_t* p = Pixel(x, y);
        return {p[Rood], p[Groen], p[Blauw]};
    }
    void ZetKleur(int x, int y, Kleur k)
    {
        std::uint8_t* p = Pixel(x, y);
        p[Blauw] = k.B;
        p[Groen] = k.G;
        p[Rood] = k.R;
    }

    bool operator==(const Pixels&) const = default;

private:
    std::size_t Offset(int x, int y) const
    {
        return (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)) *
               BytesPerPixel;
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> bytes_;
};

}  // namespace imaging
