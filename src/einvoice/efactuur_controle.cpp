#include "einvoice/efactuur_controle.h"

#include "einvoice/btw_categorie.h"
#include "einvoice/efactuur_bedragen.h"
#include "einvoice/efactuur_profiel.h"
#include "invoice/bedrijf_controle.h"
#include "invoice/creditnota_regels.h"
#include "invoice/eu_landen.h"

namespace {

const QString kBedrijf = QStringLiteral(" onder 'Instellingen' / 'Bedrijfsgegevens'");

bool HeeftVolledigAdres(const QString& straat, const QString& postcode, const QString& plaats)
{
    return !straat.trimmed().isEmpty() && !postcode.trimmed().isEmpty() && !plaats.trimmed().isEmpty();
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
    if (bedragen.totaalInclBtw < platform::Bedrag() && IsCreditnota(f))
        return QStringLiteral("Het totaal van deze creditnota is positief; een creditnota als e-factuur kan alleen "
                              "een bedrag terugbetalen.");
    if (bedragen.totaalInclBtw < platform::Bedrag())
        return QStringLiteral("Het totaal van deze factuur is negatief; een e-factuur kan dat niet zijn.");
    return std::nullopt;
}

std::optional<QString> FoutInKlant(const Klantgegevens& k, const Factuur& f)
{
    if (k.Naam.trimmed().isEmpty())
        return QStringLiteral("Vul de naam van de klant in.");
    if (!GeldigeLandcode(k.Land.trimmed()))
        return QStringLiteral("Vul bij Land de landcode van de klant in: twee letters, zoals NL of BE.");
    if (k.Referentie.trimmed().isEmpty())
        return QStringLiteral("Vul 'Uw referentie' in: de ontvanger vraagt een referentie of ordernummer.");
    const QString btwNummer = k.BtwNummer.trimmed();
    if (!btwNummer.isEmpty() && !BtwNummerVanLand(btwNummer, k.Land))
        return QStringLiteral("Het btw-nummer van de klant '") + btwNummer
             + QStringLiteral("' begint niet met de landcode of heeft niet de vorm van dat land.");
    if (!k.Email.trimmed().isEmpty() && !GeldigEmailadres(k.Email))
        return QStringLiteral("Het e-mailadres van de klant '") + k.Email.trimmed() + QStringLiteral("' is geen e-mailadres.");
    if (const auto fout = FoutInKlantId(k))
        return *fout;
    const Profiel profiel = ProfielVan(k);
    const bool nederland = k.Land.trimmed().compare(QStringLiteral("NL"), Qt::CaseInsensitive) == 0;
    if (profiel != Profiel::En16931 && nederland && !HeeftVolledigAdres(k.Straat, k.Postcode, k.Plaats))
        return QStringLiteral("Vul straat en huisnummer, postcode en plaats van de klant in: een ontvanger in "
                              "Nederland vraagt ze.");
    if (profiel == Profiel::SiUbl && nederland && k.Id != KlantId::Kvk && k.Id != KlantId::Oin)
        return QStringLiteral("SI-UBL 2.0 vraagt bij een klant in Nederland het KvK-nummer of het OIN als "
                              "Peppol-adres.");
    if (f.BtwProcent > 0)
        return std::nullopt;
    const NulTariefGeval& geval = GevalVan(f.Nultarief);
    const QString keuze = QLatin1Char('\'') + geval.keuzeTekst + QLatin1Char('\'');
    if (geval.koperNummer && btwNummer.isEmpty())
        return keuze + QStringLiteral(" vraagt het btw-nummer van de klant.");
    if (IsIntracommunautair(BtwCategorieVan(f)) && (!EuLandVan(k.Land) || nederland))
        return keuze + QStringLiteral(" vraagt een klant in een ander EU-land dan NL.");
    return std::nullopt;
}

std::optional<QString> FoutVoorOntvanger(const Factuur& f, const Klantgegevens& k)
{
    const Profiel profiel = ProfielVan(k);
    if (profiel == Profiel::En16931)
        return std::nullopt;
    const Bedrijfsgegevens& b = f.Bedrijf;
    const QString perEmail = QStringLiteral(" Zonder kan het alleen als e-factuur per e-mail: kies dan bij "
                                            "'Peppol-adres' 'Geen'.");
    if (!HeeftVolledigAdres(b.Straat, b.Postcode, b.Plaats))
        return QStringLiteral("Vul eerst straat, postcode en plaats van uw bedrijf in") + kBedrijf
             + QStringLiteral(": een e-factuur voor het Peppol-netwerk noemt ze.") + perEmail;
    if (profiel == Profiel::SiUbl && b.KvkNummer.trimmed().isEmpty())
        return QStringLiteral("Vul eerst het KvK-nummer in") + kBedrijf
             + QStringLiteral(": SI-UBL 2.0 noemt het KvK-nummer van de verkoper.") + perEmail;
    // A Dutch seller says how to pay whenever the customer has something to
    // pay; a credit note's money goes the other way.
    if (b.Iban.trimmed().isEmpty() && !IsCreditnota(f) && platform::Bedrag() < BerekenEfactuur(f).totaalInclBtw)
        return QStringLiteral("Vul eerst het IBAN in") + kBedrijf
             + QStringLiteral(": een e-factuur voor het Peppol-netwerk zegt hoe de klant betaalt.") + perEmail;
    return std::nullopt;
}
