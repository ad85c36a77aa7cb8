#pragma once

#include "invoice/factuur.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace pdf {
class PdfWriter;
}
namespace platform {
class Surface;
}

// The payment code on the invoice (the European Payments Council's credit
// transfer QR code, version 002, UTF-8): the customer's banking app reads
// the IBAN, the name, the amount and the reference from it.

// The payload: BCD / 002 / 1 / SCT / BIC / name / IBAN / EUR amount / purpose /
// structured reference / "Factuur " + number, joined by LF. Nothing when the
// code is not asked for, the name is empty, the IBAN is not valid or the
// amount (the formatted total, "1279,33") is not at least 0,01.
std::optional<QByteArray> BetaalQrTekst(const Bedrijfsgegevens& b, const QString& totaalInclBtw,
                                        const QString& factuurNummer);
// The same for the invoice, with its total including VAT as the page shows
// it; nothing for a credit note.
std::optional<QByteArray> BetaalQrTekst(const Factuur& f);

// The modules of a QR code, row by row; true is dark.
struct QrCode {
    int breedte = 0;
    std::vector<std::uint8_t> modules;
    bool Donker(int x, int y) const { return modules[static_cast<std::size_t>(y) * breedte + x] != 0; }
};
// A row's stretch of dark modules: the code is drawn as one box per stretch.
struct QrLoop {
    int x, y, lengte;
};
std::vector<QrLoop> DonkereLopen(const QrCode& code);

// Error correction level M; nothing when the text does not fit a QR code.
std::optional<QrCode> MaakQrCode(const QByteArray& tekst);
std::optional<QrCode> BetaalQr(const Factuur& f);

// The quiet zone around the modules, in modules.
constexpr int kStilteZone = 4;
extern const QString kBetaalQrOpschrift;   // "Scan en betaal", under the code

// Draws the dark modules as filled boxes, the quiet zone's top-left corner at
// (links, boven), each module the given size. A surface's box includes its far
// corner; rand is what that adds in the surface's unit (a pixel on a picture,
// nothing worth counting on a printer).
void TekenQrCode(platform::Surface& s, const QrCode& code, double links, double boven, double module, double rand);

// Where the code stands, the same for both layouts: in the right-hand column
// between the last invoice line and the totals, where neither layout draws
// anything and no text of the user's can reach. 25 mm square with its quiet
// zone, the caption under it.
namespace betaalqr {
constexpr double kPdfLinks = 181.5;        // mm from the left
constexpr double kPdfBoven = 78.6;         // mm from the bottom, the top edge
constexpr double kPdfMaat = 25.0;          // mm
constexpr double kPdfOpschriftY = 51.3;    // baseline; the rule of layout 2 lies at 50
constexpr double kAfdrukLinks = 10110;     // twips, just right of the rule at 10080
constexpr double kAfdrukBoven = 11160;     // below the last line at 10830
// The printed page starts at the printable area's corner: with margins of
// up to 6.35 mm (a quarter inch) on an A4 sheet that area is 11185 twips
// wide, and the code with its quiet zone must end inside it to be read.
constexpr double kAfdrukRechts = 11185;
constexpr double kAfdrukMaat = kAfdrukRechts - kAfdrukLinks;   // 19 mm
constexpr double kAfdrukOpschriftBreedte = 934;   // Arial at 7 points
constexpr int kPaginaLinks = 351;          // page pixels, right of the rule at 350
constexpr int kPaginaBoven = 432;          // below the twenty lines of the column body
constexpr int kPaginaBreedte = 49;         // to the page's edge
}  // namespace betaalqr

// The code on the printed page, when the invoice asks for one.
void DrukBetaalQr(const Factuur& f, platform::Surface& s);
// The code on the PDF page; its caption in "Fnt1".
void TekenBetaalQr(pdf::PdfWriter& w, const Factuur& f);
// The code and its caption as the page preview shows them: a module a page
// pixel, which is the code's size on paper.
QImage BetaalQrVoorbeeld(const QrCode& code);
