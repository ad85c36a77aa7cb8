#pragma once

#include <QColor>
#include <QDateTime>
#include <QSize>
#include <QString>

#include <optional>

class QScreen;

// The screen as the start window reports it: its size in pixels and its
// resolution in dots per inch.
struct Scherm {
    QSize pixels;
    double dpi = 96;
};

Scherm SchermVan(const QScreen& screen);

// Dots per inch as a whole number, halves to the even neighbour.
int Resolutie(const Scherm& scherm);

// The version of a program file: the version this program was built as when
// the file can be read, "Error" otherwise.
QString GetFileVersion(const QString& strFileName);

// Facts about the program file and the screen, one line each, CR LF between
// the lines. A file that cannot be read leaves its size and date empty.
QString FeitenTekst(const QString& programmaBestand, const Scherm& scherm);

// The message for a screen that is not at 96 DPI; nothing at 96.
std::optional<QString> ResolutieWaarschuwing(int dpi);

// The running clock beside the facts: a blank, the time, " / ", the date.
QString KlokTekst(const QDateTime& nu);

// Colour of one pixel of the animation strip (240 columns, 16 rows).
QColor AnimatieKleur(int kolom, int rij);

extern const QString kMakerEmail;
extern const QString kResolutieAdres;
