// The Filters and Kader menus: each takes an undo snapshot and changes the
// whole canvas through the imaging library.

#include "logo/logo_form.h"

#include "imaging/canvas_paint.h"
#include "imaging/mirrors.h"
#include "ui/common/bezige_muis.h"

#include <QApplication>

namespace {

struct MenuFilter {
    int nummer;
    std::int32_t param;
};

constexpr std::int32_t kWit = 16777215;

// EditConvert(0..15) by index; 5 and 8 open submenus and run nothing.
constexpr MenuFilter kConvert[16] = {
    {imaging::Grayscale, 0}, {imaging::Negative, 0}, {imaging::LightDark, 4}, {imaging::LightDark, -4},
    {imaging::Sharpen, 10},  {0, 0},                 {imaging::Pixelize, 3},  {imaging::Relief, 0},
    {0, 0},                  {imaging::Scattered, 15}, {imaging::Blur, 0},   {imaging::Aquarel, 0},
    {imaging::Defuse, 6},    {imaging::AddNoise, 50}, {imaging::Edge, 1},     {imaging::Contour, kWit},
};
constexpr int kTransparant = 16;
constexpr int kSepia = 17;

using Spiegel = void (*)(imaging::Pixels&);
constexpr Spiegel kSpiegels[4] = {imaging::SpiegelHorizontaal, imaging::SpiegelVertikaal, imaging::SpiegelRechts,
                                  imaging::SpiegelBoven};

}  // namespace

// Snapshot, busy pointer, the operation, the canvas shown anew. Nothing here
// touches the window after the operation: it may have been closed meanwhile.
void LogoForm::PasToe(std::function<void(imaging::Pixels&)> bewerking)
{
    Voorkant->MaakBackup();
    BezigeMuis bezig;
    Voorkant->Bewerk(bewerking);
}

void LogoForm::Filter(int nummer, std::int32_t param)
{
    PasToe([f = filters, nummer, param](imaging::Pixels& p) { f->FilterToepassen(nummer, p, param); });
}

void LogoForm::EditConvert_Click(int index)
{
    if (index == kTransparant) {
        PasToe([k = Voorkant->Staat().VulKleur](imaging::Pixels& p) { imaging::TransparantRaster(p, k); });
    } else if (index == kSepia) {
        PasToe([f = filters](imaging::Pixels& p) {
            f->FilterToepassen(imaging::Grayscale, p, 0);
            imaging::SepiaKleuren(p);
        });
    } else if (index >= 0 && index < 16 && kConvert[index].nummer != 0) {
        Filter(kConvert[index].nummer, kConvert[index].param);
    }
}

void LogoForm::EditContrastConvert_Click(int index)
{
    Filter(imaging::Contrast, index == 1 ? 10 : -10);
}

void LogoForm::EditSwap_Click(int index)
{
    Filter(imaging::SwapColors, index);
}

void LogoForm::EditFlipConvert_Click(int index)
{
    if (index >= 0 && index < 4)
        PasToe(kSpiegels[index]);
}

void LogoForm::Kader_Click(int n)
{
    PasToe([n, k = Voorkant->Staat().TekenKleur, breedte = Voorkant->TekenBreedte()](imaging::Pixels& p) {
        imaging::Kader(p, n, k, breedte);
    });
}

void LogoForm::EditUndo_Click()
{
    Voorkant->Undo();
}
