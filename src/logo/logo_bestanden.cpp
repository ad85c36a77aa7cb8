#include "logo/logo_bestanden.h"

#include "platform/files.h"
#include "platform/pictures.h"
#include "platform/prompts.h"

#include <QDir>

namespace {

const QString kOpslaanTitel = QStringLiteral(" Logo opslaan");
const QString kExtensie = QStringLiteral(".bmp");

}  // namespace

QString LogoMap(const QString& programmaMap)
{
    return platform::Pad(programmaMap, QStringLiteral("Logo"));
}

QString LogoPad(const QString& programmaMap, const QString& naam)
{
    return platform::GevondenPad(LogoMap(programmaMap), naam + kExtensie);
}

QStringList LogoNamen(const QString& programmaMap)
{
    QStringList namen = platform::BestandenLijst(LogoMap(programmaMap), QStringLiteral("*.bmp"));
    for (QString& naam : namen)
        naam.chop(4);
    return namen;
}

std::optional<QImage> OpenLogo(const QString& programmaMap, const QString& naam)
{
    return platform::LaadPlaatje(LogoPad(programmaMap, naam));
}

bool LogoOpslaan(const QImage& beeld, const QString& programmaMap, platform::Prompts& prompts)
{
    const auto naam = prompts.Invoer(kOpslaanTitel, QStringLiteral("Geef een naam voor dit logo"), QString());
    // Blanks around the name stay part of it; a name of blanks only is no name.
    if (!naam || naam->trimmed().isEmpty())
        return false;
    if (!platform::GeldigeBestandsnaam(*naam)) {
        prompts.Melding(kOpslaanTitel, QStringLiteral("De naam '") + *naam
                                           + QStringLiteral("' kan niet als bestandsnaam worden gebruikt."));
        return false;
    }
    const QString pad = LogoPad(programmaMap, *naam);
    if (platform::BestandBestaat(pad)
        && !prompts.Vraag(QStringLiteral(" Exist"), QStringLiteral("Naam logo bestaat reeds, overschrijven?")))
        return false;
    if (!QDir().mkpath(LogoMap(programmaMap)) || !platform::BewaarAlsBmp(beeld, pad)) {
        prompts.Melding(kOpslaanTitel, QStringLiteral("Het logo kon niet worden opgeslagen als ") + pad
                                           + QStringLiteral("."));
        return false;
    }
    return true;
}
