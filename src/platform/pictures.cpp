#include "platform/pictures.h"

#include "platform/files.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QtEndian>

#include <cstdlib>

namespace platform {
namespace {

// Qt reads a bitmap whose pixel rows stop early as a whole picture, with the
// missing rows left as whatever memory held; such a file counts as damaged.
// Compressed bitmaps are left to Qt, which knows where their data ends.
bool BitmapRijenCompleet(QFile& file)
{
    const QByteArray kop = file.peek(34);
    if (kop.size() < 26)
        return false;
    const auto* b = reinterpret_cast<const uchar*>(kop.constData());
    const qint64 pixelsVanaf = qFromLittleEndian<quint32>(b + 10);
    const bool kernKop = qFromLittleEndian<quint32>(b + 14) < 40;  // the oldest header, 12 bytes
    if (!kernKop && kop.size() < 34)
        return false;
    const qint64 breedte = kernKop ? qFromLittleEndian<quint16>(b + 18) : qFromLittleEndian<qint32>(b + 18);
    const qint64 hoogte = kernKop ? qFromLittleEndian<quint16>(b + 20) : qFromLittleEndian<qint32>(b + 22);
    const qint64 bits = qFromLittleEndian<quint16>(b + (kernKop ? 24 : 28));
    const quint32 compressie = kernKop ? 0 : qFromLittleEndian<quint32>(b + 30);
    if (std::abs(breedte) > kGrootstePlaatjeZijde || std::abs(hoogte) > kGrootstePlaatjeZijde)
        return false;  // refused anyway, and the sums below stay small
    if (compressie != 0 && compressie != 3 && compressie != 6)
        return true;
    const qint64 rijBytes = (std::abs(breedte) * bits + 31) / 32 * 4;
    return file.size() >= pixelsVanaf + rijBytes * std::abs(hoogte);
}

// A kind of picture the program reads, not damaged as far as its header
// tells, and not beyond any sensible size.
bool MagGelezen(QImageReader& reader, QFile& file)
{
    const QByteArray soort = reader.format().toLower();
    if (soort != "bmp" && soort != "jpeg" && soort != "gif" && soort != "png")
        return false;
    if (soort == "bmp" && !BitmapRijenCompleet(file))
        return false;
    const QSize maat = reader.size();
    return !maat.isValid() || (maat.width() <= kGrootstePlaatjeZijde && maat.height() <= kGrootstePlaatjeZijde);
}

// A header may claim no size, or another one than its picture has (a GIF
// of 4 x 0 pixels that decodes 23306 high): the picture read is held to the
// limit too.
std::optional<QImage> Lees(QImageReader& reader)
{
    QImage plaatje = reader.read();
    if (plaatje.isNull() || plaatje.width() > kGrootstePlaatjeZijde || plaatje.height() > kGrootstePlaatjeZijde)
        return std::nullopt;
    return plaatje;
}

// The file and its reader, which reads from it.
struct Bron {
    QFile file;
    QImageReader reader;
};

// Opens the picture file; false when it may not be read at all.
bool Open(Bron& bron, const QString& pad)
{
    if (!OpenGewoonBestand(bron.file, pad))
        return false;
    bron.reader.setDevice(&bron.file);
    return MagGelezen(bron.reader, bron.file);
}

}  // namespace

std::optional<QImage> LaadPlaatje(const QString& pad)
{
    Bron bron;
    if (!Open(bron, pad))
        return std::nullopt;
    return Lees(bron.reader);
}

std::optional<PlaatjeOpMaat> LaadPlaatjeOpMaat(const QString& pad, QSize maat)
{
    Bron bron;
    if (!Open(bron, pad))
        return std::nullopt;
    QImageReader& reader = bron.reader;
    const QSize eigenMaat = reader.size();
    // Enlarging is left to the painting, which copies pixels without blending them.
    if (eigenMaat.isValid() && maat.isValid() && eigenMaat.width() > maat.width()
        && eigenMaat.height() > maat.height())
        reader.setScaledSize(maat);
    auto beeld = Lees(reader);
    if (!beeld)
        return std::nullopt;
    return PlaatjeOpMaat{*beeld, eigenMaat.isValid() ? eigenMaat : beeld->size()};
}

std::optional<QByteArray> BmpBytes(const QImage& plaatje)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // Qt writes 24 bits per pixel for any image without a colour table.
    if (!plaatje.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP"))
        return std::nullopt;
    return bytes;
}

Schrijver AlsBmp(const QImage& plaatje)
{
    return [plaatje](const QString& tijdelijk, const QString&) {
        const auto bytes = BmpBytes(plaatje);
        return bytes && SchrijfInTijdelijk(tijdelijk, *bytes);
    };
}

}  // namespace platform
