#pragma once

// Logo files: "Logo/<name>.bmp" in the program folder, 625 x 125 pixels,
// uncompressed 24-bit bitmaps.

#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>

namespace platform {
class Prompts;
}

// The file of the logo of that name, its letter case as the folder has it.
QString LogoPad(const QString& programmaMap, const QString& naam);

// The names the list shows: the bitmap files of the folder without their
// last four characters. A missing folder gives an empty list.
QStringList LogoNamen(const QString& programmaMap);

// The logo of that name, or nothing when it cannot be read as a picture.
std::optional<QImage> OpenLogo(const QString& programmaMap, const QString& naam);

// Asks for a name and writes the canvas under it, asking before it replaces
// a file; a name that cannot be a file name or cannot be kept in the
// settings, or a write that fails, is told to the user. Returns whether the
// logo was written.
bool LogoOpslaan(const QImage& beeld, const QString& programmaMap, platform::Prompts& prompts);
