#include "imaging/filter_engine.h"

#include "imaging/catalogue.h"

#include <random>
#include <utility>

namespace imaging {

namespace {

// Resets FilterBezig however the filter ends, also when the callback throws.
class BezigVlag {
public:
    explicit BezigVlag(bool& vlag) : vlag_(vlag) { vlag_ = true; }
    ~BezigVlag() { vlag_ = false; }
    BezigVlag(const BezigVlag&) = delete;
    BezigVlag& operator=(const BezigVlag&) = delete;

private:
    bool& vlag_;
};

void VoerFilterUit(int filterNr, FilterWerk& w, std::int32_t param)
{
    switch (filterNr) {
    case Sharpen: catalogus::Sharpen(w, param); break;
    case Negative: catalogus::Negative(w); break;
    case Blur: catalogus::Blur(w); break;
    case Defuse: catalogus::Defuse(w, param); break;
    case Edge: catalogus::Edge(w, param); break;
    case Contour: catalogus::Contour(w, param); break;
    case Grayscale: catalogus::Grayscale(w); break;
    case Relief: catalogus::Relief(w); break;
    case LightDark: catalogus::LightDark(w, param); break;
    case Pixelize: catalogus::Pixelize(w, param); break;
    case SwapColors: catalogus::SwapColors(w, param); break;
    case Contrast: catalogus::Contrast(w, param); break;
    case Scattered: catalogus::Scattered(w, param); break;
    case Aquarel: catalogus::Aquarel(w); break;
    case AddNoise: catalogus::AddNoise(w, param); break;
    default: break;
    }
}

}  // namespace

Toeval StandaardToeval()
{
    // splitmix64: a few instructions per number, which Defuse and Add noise
    // (three numbers per pixel) feel; ample quality for jitter and noise.
    std::uint64_t zaad = (std::uint64_t{std::random_device{}()} << 32) | std::random_device{}();
    return [toestand = zaad]() mutable {
        toestand += 0x9E3779B97F4A7C15u;
        std::uint64_t z = toestand;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        z ^= z >> 31;
        return static_cast<double>(z >> 11) * 0x1p-53;  // 53 random bits: [0, 1)
    };
}

Filters::Filters(NaElkeRij naElkeRij, Toeval toeval) : naElkeRij_(std::move(naElkeRij)), toeval_(std::move(toeval)) {}

void Filters::FilterToepassen(int filterNr, Pixels& bitmap, std::int32_t param)
{
    if (filterBezig_) return;
    const BezigVlag bezig(filterBezig_);
    // Both means (Contrast, Scattered) divide by the pixel count.
    if (bitmap.Empty()) return;

    // The filter works on its own copy, so whatever the window does to the
    // bitmap while events are processed is replaced by the finished result.
    pixels_ = bitmap;
    pixelsOrigineel_ = bitmap;
    FilterWerk werk{pixels_, pixelsOrigineel_, naElkeRij_, toeval_};
    VoerFilterUit(filterNr, werk, param);
    bitmap = pixels_;
}

}  // namespace imaging
