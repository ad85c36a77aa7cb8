#include "platform/pictures.h"

#include "platform/files.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>

namespace platform {
namespace {

constexpr int kGrootsteZijde = 20000;

}

std::optional<QImage> LaadPlaatje(const QString& pad)
{
    QImageReader reader(pad);
    reader.setDecideFormatFromContent(true);
    const QByteArray soort = reader.format().toLower();
    if (soort != "bmp" && soort != "jpeg" && soort != "gif" && soort != "png")
        return std::nullopt;
    const QSize maat = reader.size();
    if (maat.isValid() && (maat.width() > kGrootsteZijde || maat.height() > kGrootsteZijde))
        return std::nullopt;
    QImage plaatje = reader.read();
    if (plaatje.isNull())
        return std::nullopt;
    return plaatje;
}

bool BewaarAlsBmp(const QImage& plaatje, const QString& pad)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // Qt writes 24 bits per pixel for any image without a colour table.
    if (!plaatje.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP"))
        return false;
    return SchrijfBestand(pad, bytes);
}

}  // namespace platform
