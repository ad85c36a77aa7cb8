#include "output/pdf_plaatjes.h"

#include "pdf/bmp_reader.h"
#include "pdf/pdf_writer.h"
#include "platform/files.h"
#include "platform/pictures.h"

#include <QPainter>

#include <span>
#include <vector>

namespace {

// What a printed page shows sharply; a picture with more than four times the
// pixels its place holds at this resolution is reduced to it.
constexpr double kDpi = 300;
constexpr double kMmPerInch = 25.4;

QSize PlekInPixels(QSizeF plekMm)
{
    return QSize(qRound(plekMm.width() / kMmPerInch * kDpi), qRound(plekMm.height() / kMmPerInch * kDpi));
}

bool TeFijn(QSize maat, QSize plek)
{
    return double(maat.width()) * maat.height() > 4.0 * plek.width() * plek.height();
}

// The picture as 24-bit rows, bottom row first, as the writer takes them;
// transparent parts on white paper.
void LaadBeeld(pdf::PdfWriter& w, const char* naam, const QImage& beeld)
{
    QImage rgb(beeld.size(), QImage::Format_RGB888);
    rgb.fill(Qt::white);
    QPainter(&rgb).drawImage(0, 0, beeld);
    const auto rij = static_cast<std::size_t>(rgb.width()) * 3;
    std::vector<std::uint8_t> buf;
    buf.reserve(rij * static_cast<std::size_t>(rgb.height()));
    for (int y = rgb.height() - 1; y >= 0; --y)
        buf.insert(buf.end(), rgb.constScanLine(y), rgb.constScanLine(y) + rij);
    w.LoadImgFromBuffer(naam, buf, {}, rgb.width(), rgb.height(), 24, 0);
}

}  // namespace

bool PdfPlaatje(pdf::PdfWriter& w, const char* naam, const QString& pad, QSizeF plekMm)
{
    const QSize plek = PlekInPixels(plekMm);
    // The file is read once and its rows are turned into the writer's where
    // they lie: no copy of the picture is made on the way.
    if (auto bytes = platform::LeesBestand(pad, qint64(pdf::kMaxBmpPixelBytes) + 64 * 1024)) {
        pdf::BmpView eigen;
        const std::span<std::uint8_t> bestand(reinterpret_cast<std::uint8_t*>(bytes->data()), std::size_t(bytes->size()));
        if (pdf::ReadBmpInPlace(bestand, 0, eigen) && !TeFijn(QSize(eigen.ImgWidth, eigen.ImgHeight), plek)) {
            w.LoadImgFromBuffer(naam, eigen.ImgBuf, eigen.ImgColor, eigen.ImgWidth, eigen.ImgHeight, eigen.ImgBPP, 0);
            return true;
        }
    }
    const auto beeld = platform::LaadPlaatje(pad);
    if (!beeld)
        return false;
    LaadBeeld(w, naam, TeFijn(beeld->size(), plek)
                           ? beeld->scaled(plek, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                           : *beeld);
    return true;
}
