#include "app/efactuur_export.h"

#include "einvoice/btw_categorie.h"
#include "einvoice/efactuur_controle.h"
#include "einvoice/efactuur_profiel.h"
#include "einvoice/leverdatum.h"
#include "einvoice/ubl_factuur.h"
#include "invoice/customer_file.h"
#include "invoice/mappen.h"
#include "platform/files.h"
#include "platform/opslaan.h"
#include "platform/prompts.h"

#include <QDir>

const QString kEfactuurTitel = QStringLiteral(" Opslaan naar e-factuur (UBL)");

namespace {

// An intra-community supply whose lines give no date: the user says when
// the goods went; the invoice date is proposed.
std::optional<QDate> VraagLeverdatum(const Factuur& f, platform::Prompts& prompts)
{
    const auto antwoord = prompts.Invoer(kEfactuurTitel,
                                         QStringLiteral("De regels noemen geen leveringsdatum. Op welke datum zijn de "
                                                        "goederen geleverd? (dd-mm-jjjj)"),
                                         f.FactuurDatum.value_or(QString()));
    if (!antwoord)
        return std::nullopt;
    const auto d = LeesGetypteDatum(*antwoord);
    const QDate datum = d ? QDate(d->jaar.value_or(FactuurDatumVan(f)->year()), d->maand, d->dag) : QDate();
    if (!datum.isValid()) {
        prompts.Melding(kEfactuurTitel, QStringLiteral("'") + antwoord->trimmed()
                                            + QStringLiteral("' is geen datum. Er is niets geschreven."));
        return std::nullopt;
    }
    return datum;
}

// The buyer as the user confirms it in "Klantgegevens", remembered for the
// next invoice, once it has all that the invoice's case and the receivers of
// its profile ask; nothing after Cancel or a fault, which is told.
std::optional<Klantgegevens> BevestigdeKlant(const Factuur& f, const QString& programmaMap, platform::Prompts& prompts,
                                             const KlantVraag& vraagKlant)
{
    const QString sleutel = KlantSleutel(f.AdresTekst);
    const GelezenKlant voorstel = KlantVoorstel(f, programmaMap);
    if (!voorstel.onbruikbaar.isEmpty())
        prompts.Melding(kEfactuurTitel, QStringLiteral("In de bewaarde klantgegevens van '") + sleutel
                                            + QStringLiteral("' was niet te lezen: ")
                                            + voorstel.onbruikbaar.join(QStringLiteral(", "))
                                            + QStringLiteral(". Vul dat opnieuw in."));
    const auto antwoord = vraagKlant(voorstel.gegevens);
    if (!antwoord)
        return std::nullopt;
    const Klantgegevens klant = Genormaliseerd(*antwoord);
    if (!OnthoudKlant(programmaMap, sleutel, TeOnthouden(klant, f)))
        prompts.Melding(kEfactuurTitel, QStringLiteral("De klantgegevens konden niet worden bewaard in de map 'Adressen'."));
    auto fout = FoutInKlant(klant, f);
    if (!fout)
        fout = FoutVoorOntvanger(f, klant);
    if (fout) {
        prompts.Melding(kEfactuurTitel, *fout);
        return std::nullopt;
    }
    return klant;
}

// Where the file is; for a file in the standard alone, also what it is for
// and how the customer's file would go over the network.
QString Geschreven(const QString& pad, const Klantgegevens& klant)
{
    QString melding = QStringLiteral("De e-factuur staat in ") + QDir::toNativeSeparators(pad) + QStringLiteral(".");
    if (ProfielVan(klant) == Profiel::En16931)
        melding += QStringLiteral("\r\n\r\nDeze klant heeft geen Peppol-adres, dus dit bestand is een e-factuur volgens "
                                  "de Europese norm om per e-mail te sturen, niet voor het Peppol-netwerk. Kies in "
                                  "'Klantgegevens' bij 'Peppol-adres' het KvK-nummer, OIN, btw-nummer of GLN van de "
                                  "klant om de e-factuur via Peppol te kunnen versturen.");
    return melding;
}

}  // namespace

bool NaarEfactuur(Factuur& f, const PdfBronnen& bronnen, const QString& programmaMap, platform::Prompts& prompts,
                  const KlantVraag& vraagKlant, std::time_t moment, QString* geschreven)
{
    if (const auto fout = FoutInFactuur(f)) {
        prompts.Melding(kEfactuurTitel, *fout);
        return false;
    }
    const auto klant = BevestigdeKlant(f, programmaMap, prompts, vraagKlant);
    if (!klant)
        return false;
    std::optional<QDate> levering = LeverdatumUitRegels(f);
    if (!levering && IsIntracommunautair(BtwCategorieVan(f))) {
        levering = VraagLeverdatum(f, prompts);
        if (!levering)
            return false;
    }

    const platform::Opslag opslag{kEfactuurTitel,
                                  QStringLiteral("Geef een naam voor deze factuur...\r\n"
                                                 "Bestanden worden in de map 'Efactuur' geplaatst."),
                                  f.FactuurDatum.value_or(QString()),
                                  Map(programmaMap, Bestandsmap::Efactuur),
                                  QStringLiteral(".xml"),
                                  platform::kBestandBestaat,
                                  QStringLiteral("De e-factuur kon niet worden opgeslagen als ")};
    // The page is titled and attached by the name the user typed, whatever
    // the letter case of a file it replaces.
    const auto pad = platform::Opslaan(prompts, opslag, [&](const QString& tijdelijk, const QString& naam) {
        const auto pagina = FactuurPdf(f, naam, bronnen, moment);
        return pagina
            && platform::SchrijfInTijdelijk(
                   tijdelijk, UblFactuur(f, *klant, {naam + QStringLiteral(".pdf"), *pagina}, levering));
    });
    if (!pad)
        return false;
    prompts.Melding(kEfactuurTitel, Geschreven(*pad, *klant));
    if (geschreven)
        *geschreven = *pad;
    return true;
}
