#pragma once

// FilterToepassen: runs one numbered filter on an image and writes the result
// back. The image is untouched until the filter has finished, and a call made
// while another runs (from the per-row callback, where the window processes
// its events) returns at once.

#include "imaging/pixels.h"

#include <cstdint>
#include <functional>

namespace imaging {

// The numbers the Filters menu passes to FilterToepassen.
enum FilterNummer : int {
    Sharpen = 1,
    Negative = 2,
    Blur = 3,
    Defuse = 4,
    Edge = 6,
    Contour = 7,
    Grayscale = 12,
    Relief = 13,
    LightDark = 14,
    Pixelize = 15,
    SwapColors = 16,
    Contrast = 17,
    Scattered = 23,
    Aquarel = 24,
    AddNoise = 29,
};

// Called after each row a filter has processed.
using NaElkeRij = std::function<void()>;
// Uniform random numbers in [0, 1).
using Toeval = std::function<double()>;

// A generator seeded once from the system, never reseeded.
Toeval StandaardToeval();

class Filters {
public:
    explicit Filters(NaElkeRij naElkeRij = {}, Toeval toeval = StandaardToeval());

    // filterNr is one of FilterNummer; any other number leaves the image as it
    // is. param means what the filter says (the menu's values are 10 for
    // Sharpen, 6 Defuse, 1 Edge, a colour for Contour, +4/-4 Light/Dark, 3
    // Pixelize, 1..5 Swap Colors, +10/-10 Contrast, 15 Scattered, 50 Add noise).
    void FilterToepassen(int filterNr, Pixels& bitmap, std::int32_t param);

    bool FilterBezig() const { return filterBezig_; }

private:
    NaElkeRij naElkeRij_;
    Toeval toeval_;
    bool filterBezig_ = false;
    // Kept between calls: fresh memory for every filter costs more in page
    // faults than the filters themselves.
    Pixels pixels_;
    Pixels pixelsOrigineel_;
};

}  // namespace imaging
