#include "einvoice/efactuur_controle.h"

#include "einvoice/efactuur_bedragen.h"
#include "invoice/bedrijf_controle.h"

namespace {

const QString kBedrijf = QStringLiteral(" onder 'Instellingen' / 'Bedrijfsgegevens'");

// A VAT number of any member state: its country's two letters, then the number.
bool BtwNummerVanEenLand(const QString& btwNummer, const QString& land)
{
    if (land.compare(QStringLiteral("NL"), Qt::CaseInsensitive) == 0)
        return GeldigBtwNummer(btwNummer);
    return btwNummer.size() > 2 && GeldigeLandcode(btwNummer.left(2));
}

}  // namespace

std::optional<QDate> FactuurDatumVan(const Factuur& f)
{
    if (!f.FactuurDatum)
        return std::nullopt;
    const QDate datum = QDate::fromString(f.FactuurDatum->trimmed(), QStringLiteral("dd-MM-yyyy"));
    if (!datum.isValid())
        return std::nullopt;
    return datum;
}

std::optional<QString> FoutInFactuur(const Factuur& f)
{
    if (!f.FactuurDatum)
        return QStringLiteral("Deze factuur heeft nog geen factuurdatum. Kies eerst een datum met een dubbelklik "
                              "op 'Factuurdatum'.");
    if (!FactuurDatumVan(f))
        return QStringLiteral("De factuurdatum '") + *f.FactuurDatum + QStringLiteral("' is geen bestaande datum.");
    if (f.FactuurNummer.trimmed().isEmpty())
        return QStringLiteral("Deze factuur heeft geen factuurnummer.");
    const Bedrijfsgegevens& b = f.Bedrijf;
    if (b.Bedrijfsnaam.trimmed().isEmpty())
        return QStringLiteral("Vul eerst de bedrijfsnaam in") + kBedrijf + QStringLiteral(".");
    if (b.BtwNummer.trimmed().isEmpty())
        return QStringLiteral("Vul eerst het btw-nummer in") + kBedrijf
             + QStringLiteral(": een e-factuur noemt het btw-nummer van de verkoper.");
    if (b.Land.trimmed().isEmpty())
        return QStringLiteral("Vul eerst het land in") + kBedrijf + QStringLiteral(".");
    if (const auto fout = FoutInBedrijfsgegevens(b))
        return *fout;
    const EfactuurBedragen bedragen = BerekenEfactuur(f);
    if (bedragen.regels.empty())
        return QStringLiteral("Deze factuur heeft geen regels.");
    if (bedragen.totaalInclBtw < platform::Bedrag())
        return QStringLiteral("Het totaal van deze factuur is negatief; een e-factuur kan dat niet zijn.");
    return std::nullopt;
}

std::optional<QString> FoutInKlant(const Klantgegevens& k, int btwProcent)
{
    if (k.Naam.trimmed().isEmpty())
        return QStringLiteral("Vul de naam van de klant in.");
    if (!GeldigeLandcode(k.Land.trimmed()))
        return QStringLiteral("Vul bij Land de landcode van de klant in: twee letters, zoals NL of BE.");
    if (k.Referentie.trimmed().isEmpty())
        return QStringLiteral("Vul 'Uw referentie' in: de ontvanger vraagt een referentie of ordernummer.");
    const QString btwNummer = k.BtwNummer.trimmed();
    if (!btwNummer.isEmpty() && !BtwNummerVanEenLand(btwNummer, k.Land.trimmed()))
        return QStringLiteral("Het btw-nummer van de klant '") + btwNummer
             + QStringLiteral("' begint niet met de landcode of heeft niet de vorm van dat land.");
    if (!k.Email.trimmed().isEmpty() && (!k.Email.contains(QLatin1Char('@')) || k.Email.trimmed().contains(QLatin1Char(' '))))
        return QStringLiteral("Het e-mailadres van de klant '") + k.Email.trimmed() + QStringLiteral("' is geen e-mailadres.");
    if (btwProcent > 0)
        return std::nullopt;
    switch (k.Nultarief) {
    case NulTarief::NulProcent:
        break;
    case NulTarief::Vrijgesteld:
        if (k.RedenVrijstelling.trimmed().isEmpty())
            return QStringLiteral("Vul bij 'Vrijgesteld / KOR' de reden van de vrijstelling in.");
        break;
    case NulTarief::Verlegd:
        if (btwNummer.isEmpty())
            return QStringLiteral("'Btw verlegd' vraagt het btw-nummer van de klant.");
        break;
    case NulTarief::Intracommunautair:
        if (btwNummer.isEmpty())
            return QStringLiteral("'Intracommunautaire levering' vraagt het btw-nummer van de klant.");
        if (k.Land.trimmed().compare(QStringLiteral("NL"), Qt::CaseInsensitive) == 0)
            return QStringLiteral("'Intracommunautaire levering' vraagt een klant in een ander land dan NL.");
        break;
    }
    return std::nullopt;
}
