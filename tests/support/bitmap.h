#pragma once

#include "platform/files.h"
#include "platform/pictures.h"

#include <QImage>
#include <QString>

// Writes the picture as the program writes its logos and backgrounds.
inline bool BewaarBmp(const QImage& beeld, const QString& pad)
{
    const auto bytes = platform::BmpBytes(beeld);
    return bytes && platform::SchrijfBestand(pad, *bytes);
}
