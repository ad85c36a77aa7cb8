#include "logo/logo_tekst.h"

#include "logo/tekenstaat.h"
#include "platform/surface.h"

#include <QPoint>

namespace {

void Print(platform::Surface& vlak, int x, int y, const QString& tekst)
{
    vlak.setCurrent(x, y);
    vlak.print(tekst);
}

// Larger than any logo can show; beyond it only the painting time grows.
constexpr double kGrootsteLetter = 1000;

}  // namespace

void MaakTekst(platform::Surface& vlak, const TekstOpmaak& opmaak, int cX, int cY, const QString& Cs)
{
    vlak.setFontName(opmaak.lettertype);
    vlak.setFontSize(opmaak.grootte);
    vlak.setBold(opmaak.vet);
    vlak.setItalic(opmaak.schuin);
    vlak.setUnderline(opmaak.onderstreept);
    if (opmaak.schaduw) {
        for (int i = 8; i >= 1; --i) {
            const int grijs = 180 + 6 * i;
            vlak.setForeColor(QColor(grijs, grijs, grijs));
            Print(vlak, cX + i, cY + i, Cs);
        }
    }
    vlak.setForeColor(QColorVan(opmaak.tekenKleur));
    if (opmaak.rand) {
        // Round the text once, ending where it began.
        constexpr QPoint kRand[] = {{0, -2}, {1, -1}, {2, 0}, {1, 1}, {0, 2}, {-1, 1}, {-2, 0}, {-1, -1}, {0, -2}};
        for (const QPoint d : kRand)
            Print(vlak, cX + d.x(), cY + d.y(), Cs);
    }
    vlak.setForeColor(QColorVan(opmaak.vulKleur));
    Print(vlak, cX, cY, Cs);
}

std::optional<double> LetterGrootte(const QString& tekst)
{
    bool getal = false;
    // A decimal comma is read as the point it stands for.
    const double grootte = QString(tekst).replace(QLatin1Char(','), QLatin1Char('.')).trimmed().toDouble(&getal);
    if (!getal || grootte <= 0 || grootte > kGrootsteLetter)
        return std::nullopt;
    return grootte;
}
