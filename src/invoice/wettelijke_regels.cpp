#include "invoice/wettelijke_regels.h"

#include "invoice/customer_file.h"
#include "invoice/klantgegevens.h"
#include "platform/tekens.h"

std::optional<QString> VerkopersRegel(const Bedrijfsgegevens& b)
{
    if (!b.VerkopersRegel)
        return std::nullopt;
    QStringList delen;
    if (!b.KvkNummer.trimmed().isEmpty())
        delen << QStringLiteral("KvK ") + b.KvkNummer.trimmed();
    if (!b.BtwNummer.trimmed().isEmpty())
        delen << QStringLiteral("Btw ") + b.BtwNummer.trimmed();
    if (delen.isEmpty())
        return std::nullopt;
    if (!b.BetaalQr && !b.Iban.trimmed().isEmpty())
        delen << QStringLiteral("IBAN ") + b.Iban.trimmed();
    return delen.join(QStringLiteral(" \u00b7 "));
}

QString RedenOpFactuur(const QString& reden)
{
    return platform::EersteTekens(reden.simplified(), kLangsteReden);
}

QStringList BtwGevalRegels(const Factuur& f, const QString& koperBtwNummer)
{
    if (f.BtwProcent > 0)
        return {};
    const NulTariefGeval& geval = GevalVan(f.Nultarief);
    if (geval.factuurTekst.isEmpty())
        return {};
    QStringList regels{geval.factuurTekst};
    if (geval.koperNummer)
        regels << QStringLiteral("Btw-nummer afnemer: ")
                      + (koperBtwNummer.trimmed().isEmpty() ? QStringLiteral("ontbreekt") : koperBtwNummer.trimmed());
    else if (const QString reden = RedenOpFactuur(f.RedenVrijstelling); !reden.isEmpty())
        regels << reden;
    return regels;
}

QString KoperBtwNummer(const Factuur& f, const QString& programmaMap)
{
    const auto klant = OnthoudenKlant(programmaMap, KlantSleutel(f.AdresTekst));
    return klant ? klant->gegevens.BtwNummer.trimmed() : QString();
}

std::optional<QString> OntbrekendVoorBtwGeval(const Factuur& f, const QString& koperBtwNummer)
{
    const NulTariefGeval& geval = GevalVan(f.Nultarief);
    if (f.BtwProcent > 0 || !geval.koperNummer || !koperBtwNummer.trimmed().isEmpty())
        return std::nullopt;
    return QStringLiteral("Bij '") + geval.keuzeTekst
         + QStringLiteral("' hoort het btw-nummer van de klant op de factuur, en dat ontbreekt nog. Dubbelklik op het "
                          "adres, kies 'Klantgegevens' en vul het btw-nummer in.");
}
