#include "app/titel_feiten.h"

#include <QFileInfo>
#include <QLocale>
#include <QScreen>
#include <QStringList>

#include <cmath>

const QString kMakerEmail = QStringLiteral("info@averno.example");
const QString kResolutieAdres = QStringLiteral("https://www.averno.example/beeldscherm-96-dpi");

namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kTwipsPerPixelBijOntwerp = 15;

// The program speaks Dutch whatever the system is set to.
const QLocale& Nederlands()
{
    static const QLocale nl(QLocale::Dutch, QLocale::Netherlands);
    return nl;
}

QString KorteDatum(const QDate& datum)
{
    return Nederlands().toString(datum, QLocale::ShortFormat);
}

QString AlgemeneDatum(const QDateTime& moment)
{
    return KorteDatum(moment.date()) + QLatin1Char(' ') + moment.time().toString(QStringLiteral("H:mm:ss"));
}

// "###,###": thousands grouped, and a zero shows nothing at all.
QString Bytes(qint64 lengte)
{
    return lengte == 0 ? QString() : Nederlands().toString(lengte);
}

// A number the way a plain conversion to text shows it: no decimals when
// there are none, a decimal comma when there are.
QString Getal(double waarde)
{
    return QString::number(waarde, 'g', 15).replace(QLatin1Char('.'), QLatin1Char(','));
}

double TwipsPerPixel(const Scherm& scherm)
{
    return kTwipsPerInch / scherm.dpi;
}

// The screen line divides the twips by 15 whatever the resolution, so off
// 96 DPI it does not report the pixels the screen really has.
QString SchermMaat(int pixels, const Scherm& scherm)
{
    return Getal(pixels * TwipsPerPixel(scherm) / kTwipsPerPixelBijOntwerp);
}

}  // namespace

Scherm SchermVan(const QScreen& screen)
{
    const double ratio = screen.devicePixelRatio();
    return {screen.geometry().size() * ratio, screen.logicalDotsPerInchX() * ratio};
}

int Resolutie(const Scherm& scherm)
{
    return static_cast<int>(std::nearbyint(scherm.dpi));
}

QString GetFileVersion(const QString& strFileName)
{
    const QFileInfo bestand(strFileName);
    return bestand.isFile() && bestand.isReadable() ? QStringLiteral(QUILLET_VERSION) : QStringLiteral("Error");
}

QString FeitenTekst(const QString& programmaBestand, const Scherm& scherm)
{
    const QFileInfo bestand(programmaBestand);
    const bool leesbaar = bestand.isFile();
    const QStringList regels = {
        QStringLiteral("Developed by Averno Software"),
        QStringLiteral("\u00A9 2011 www.averno.example - All rights reserved"),
        QStringLiteral("For 32-bit computers with Windows Development."),
        QString(),
        QStringLiteral("Version number : ") + GetFileVersion(programmaBestand),
        QStringLiteral("Filesize............. : ") + Bytes(leesbaar ? bestand.size() : 0) + QStringLiteral(" Bytes"),
        QStringLiteral("Filedate............ : ") + (leesbaar ? AlgemeneDatum(bestand.lastModified()) : QString()),
        QStringLiteral("Screen............. : ") + SchermMaat(scherm.pixels.width(), scherm) + QStringLiteral(" x ")
            + SchermMaat(scherm.pixels.height(), scherm) + QStringLiteral(" pixels"),
        QStringLiteral("Dpi................... : ") + QString::number(Resolutie(scherm)),
        QStringLiteral("Time / Date..... :"),
    };
    return regels.join(QStringLiteral("\r\n"));
}

std::optional<QString> ResolutieWaarschuwing(int dpi)
{
    if (dpi == 96)
        return std::nullopt;
    return QStringLiteral("Uw beeldscherm is ingesteld op ") + QString::number(dpi)
         + QStringLiteral(" DPI (Dots Per Inch)\r\nwijzig dit naar 96 DPI. Op onderstaande internet site\r\n"
                          "is beschreven hoe deze wijziging kan worden gedaan.\r\n")
         + kResolutieAdres;
}

QString KlokTekst(const QDateTime& nu)
{
    return QLatin1Char(' ') + nu.time().toString(QStringLiteral("H:mm:ss")) + QStringLiteral(" / ") + KorteDatum(nu.date());
}

QColor AnimatieKleur(int kolom, int rij)
{
    // 130 at the left edge to 250 at column 240; halves go to the even neighbour.
    const int niveau = static_cast<int>(std::nearbyint(kolom / 2.0 + 130));
    if (rij <= 4)
        return {niveau, 0, 0};
    if (rij <= 10)
        return {niveau, niveau, niveau};
    return {0, 0, niveau};
}
