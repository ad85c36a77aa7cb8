#include "imaging/pixels.h"

#include <algorithm>
#include <stdexcept>

namespace imaging {

KleurDelen SplitsKleur(std::int32_t kleur)
{
    return {kleur % 256, (kleur / 256) & 255, (kleur / 65536) & 255};
}

Pixels::Pixels(int width, int height)
{
    if (width < 0 || height < 0) throw std::invalid_argument("Pixels: negative size");
    width_ = width;
    height_ = height;
    bytes_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * BytesPerPixel, 0);
}

Pixels::Pixels(int width, int height, const std::uint8_t* bgra) : Pixels(width, height)
{
    if (!bytes_.empty()) std::copy_n(bgra, bytes_.size(), bytes_.begin());
}

}  // namespace imaging
