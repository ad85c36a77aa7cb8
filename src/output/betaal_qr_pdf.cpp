#include "output/betaal_qr.h"

#include "pdf/pdf_writer.h"

void TekenBetaalQr(pdf::PdfWriter& w, const Factuur& f)
{
    using namespace betaalqr;
    const auto code = BetaalQr(f);
    if (!code)
        return;
    const float module = static_cast<float>(kPdfMaat / (code->breedte + 2 * kStilteZone));
    const float x0 = static_cast<float>(kPdfLinks) + kStilteZone * module;
    const float y0 = static_cast<float>(kPdfBoven) - kStilteZone * module;
    // Every stretch is one rectangle of a single path, filled at once: boxes
    // filled one by one leave light seams where they meet.
    const auto lopen = DonkereLopen(*code);
    w.SetColorFill(0);
    for (std::size_t i = 0; i < lopen.size(); ++i) {
        const float links = x0 + lopen[i].x * module;
        const float rechts = links + lopen[i].lengte * module;
        const float boven = y0 - lopen[i].y * module;
        w.MoveTo(links, boven);
        w.LineTo(rechts, boven, 0);
        w.LineTo(rechts, boven - module, 0);
        w.LineTo(links, boven - module, i + 1 == lopen.size() ? 4 : 0);
    }
    w.SetColorFill(60 + 256 * 60 + 65536 * 60);
    w.DrawText(static_cast<float>(kPdfLinks + kPdfMaat / 2), static_cast<float>(kPdfOpschriftY),
               kBetaalQrOpschrift.toStdString(), "Fnt1", 7, 3);
}
