#pragma once

#include <QImage>
#include <QString>

#include <optional>

namespace platform {

// A BMP, JPEG, GIF or PNG file as an image; nothing when the file is missing,
// of another kind (a WMF, say) or damaged. The caller decides what that means.
std::optional<QImage> LaadPlaatje(const QString& pad);

// An uncompressed 24-bit Windows bitmap, written atomically.
bool BewaarAlsBmp(const QImage& plaatje, const QString& pad);

}  // namespace platform
