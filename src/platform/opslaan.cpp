#include "platform/opslaan.h"

#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/prompts.h"

#include <QDir>

namespace platform {

const Overschrijfvraag kBestandBestaat{QStringLiteral(" File exist"),
                                       QStringLiteral("Bestand '%1' bestaat reeds, overschrijven?")};

namespace {

// The characters of the name that Windows-1252 has no room for, each once.
QString BuitenCp1252(const QString& naam)
{
    QString tekens;
    for (qsizetype i = 0; i < naam.size(); ++i) {
        const qsizetype lengte = naam.at(i).isHighSurrogate() && i + 1 < naam.size() ? 2 : 1;
        const QString teken = naam.mid(i, lengte);
        i += lengte - 1;
        if (NaarCp1252(teken) == "?" && teken != QLatin1String("?") && !tekens.contains(teken))
            tekens += (tekens.isEmpty() ? QString() : QStringLiteral(" ")) + teken;
    }
    return tekens;
}

// Tells why a name cannot be used; nothing when it can.
std::optional<QString> Bezwaar(const Opslag& opslag, const QString& naam)
{
    if (!GeldigeNaam(naam) || naam.toUtf8().size() > kLangsteNaam)
        return QStringLiteral("De naam '") + naam + QStringLiteral("' kan niet als bestandsnaam worden gebruikt.");
    if (const QString tekens = BuitenCp1252(naam); opslag.inCp1252 && !tekens.isEmpty())
        return QStringLiteral("De naam '") + naam + QStringLiteral("' bevat tekens die Quillet niet kan onthouden: ")
            + tekens + QStringLiteral(". Kies een naam zonder die tekens.");
    return std::nullopt;
}

}  // namespace

std::optional<QString> Opslaan(Prompts& prompts, const Opslag& opslag, const Schrijver& schrijver)
{
    const auto naam = prompts.Invoer(opslag.titel, opslag.vraag, opslag.voorstel);
    if (!naam || naam->trimmed().isEmpty())
        return std::nullopt;
    if (const auto bezwaar = Bezwaar(opslag, *naam)) {
        prompts.Melding(opslag.titel, *bezwaar);
        return std::nullopt;
    }
    const QString bestand = *naam + opslag.extensie;
    if (BestaandeNaam(opslag.map, bestand)
        && !prompts.Vraag(opslag.overschrijven.titel,
                          QString(opslag.overschrijven.tekst).replace(QStringLiteral("%1"), *naam)))
        return std::nullopt;
    const QString pad = GevondenPad(opslag.map, bestand);
    const bool geschreven = QDir().mkpath(opslag.map)
        && VervangBestand(pad, [&](const QString& tijdelijk) { return schrijver(tijdelijk, *naam); });
    if (!geschreven) {
        prompts.Melding(opslag.titel, opslag.mislukt + pad + QStringLiteral("."));
        return std::nullopt;
    }
    return pad;
}

std::optional<QString> Opslaan(Prompts& prompts, const Opslag& opslag, const QByteArray& bytes)
{
    return Opslaan(prompts, opslag,
                   [&bytes](const QString& tijdelijk, const QString&) { return SchrijfInTijdelijk(tijdelijk, bytes); });
}

}  // namespace platform
