#include "logo/logo_bestanden.h"

#include "invoice/mappen.h"
#include "platform/files.h"
#include "platform/opslaan.h"
#include "platform/pictures.h"

namespace {

const QString kExtensie = QStringLiteral(".bmp");

}  // namespace

QString LogoPad(const QString& programmaMap, const QString& naam)
{
    return platform::GevondenPad(Map(programmaMap, Bestandsmap::Logo), naam + kExtensie);
}

QStringList LogoNamen(const QString& programmaMap)
{
    QStringList namen = platform::BestandenLijst(Map(programmaMap, Bestandsmap::Logo), QStringLiteral("*.bmp"));
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
    const platform::Opslag opslag{QStringLiteral(" Logo opslaan"),
                                  QStringLiteral("Geef een naam voor dit logo"),
                                  QString(),
                                  Map(programmaMap, Bestandsmap::Logo),
                                  kExtensie,
                                  {QStringLiteral(" Exist"), QStringLiteral("Naam logo bestaat reeds, overschrijven?")},
                                  QStringLiteral("Het logo kon niet worden opgeslagen als "),
                                  true};
    return platform::Opslaan(prompts, opslag, platform::AlsBmp(beeld)).has_value();
}
