#pragma once

#include "platform/opslaan.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

// A build may set another limit.
#ifndef QUILLET_GROOTSTE_PLAATJE_ZIJDE
#define QUILLET_GROOTSTE_PLAATJE_ZIJDE 20000
#endif

namespace platform {

// The longest side, in pixels, of a picture the program reads; a larger one
// counts as damaged.
inline constexpr int kGrootstePlaatjeZijde = QUILLET_GROOTSTE_PLAATJE_ZIJDE;

// A BMP, JPEG, GIF or PNG file as an image; nothing when the file is missing,
// of another kind (a WMF, say), damaged, or no regular file (a link, a pipe,
// a device). The caller decides what that means.
std::optional<QImage> LaadPlaatje(const QString& pad);

// A picture ready for painting, and the size it has in its file.
struct PlaatjeOpMaat {
    QImage beeld;
    QSize eigenMaat;
};
// As LaadPlaatje, for painting into a rectangle of size maat: a picture
// larger than maat both ways comes back reduced to maat on the way in (a large
// JPEG then decodes only the detail maat can show), a smaller one as it is.
std::optional<PlaatjeOpMaat> LaadPlaatjeOpMaat(const QString& pad, QSize maat);

// The picture as an uncompressed 24-bit Windows bitmap; nothing when it
// cannot be made.
std::optional<QByteArray> BmpBytes(const QImage& plaatje);

// Writes the picture as that bitmap, for a save of Opslaan.
Schrijver AlsBmp(const QImage& plaatje);

}  // namespace platform
