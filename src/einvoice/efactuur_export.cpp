#include "einvoice/efactuur_export.h"

#include "einvoice/efactuur_controle.h"
#include "einvoice/ubl_factuur.h"
#include "invoice/customer_file.h"
#include "invoice/mappen.h"
#include "platform/files.h"
#include "platform/opslaan.h"
#include "platform/prompts.h"

#include <QDir>

const QString kEfactuurTitel = QStringLiteral(" Opslaan naar e-factuur (UBL)");

Klantgegevens KlantVoorstel(const Factuur& f, const QString& programmaMap)
{
    Klantgegevens k = OnthoudenKlant(programmaMap, KlantSleutel(f.AdresTekst)).value_or(KlantUitAdres(f.AdresTekst));
    if (k.Referentie.trimmed().isEmpty())
        k.Referentie = f.FactuurNummer;
    return k;
}

Klantgegevens TeOnthouden(Klantgegevens k, const Factuur& f)
{
    if (k.Referentie.trimmed() == f.FactuurNummer.trimmed())
        k.Referentie.clear();
    return k;
}

bool NaarEfactuur(Factuur& f, const PdfBronnen& bronnen, const QString& programmaMap, platform::Prompts& prompts,
                  const KlantVraag& vraagKlant, std::time_t moment)
{
    if (const auto fout = FoutInFactuur(f)) {
        prompts.Melding(kEfactuurTitel, *fout);
        return false;
    }
    const auto klant = vraagKlant(KlantVoorstel(f, programmaMap));
    if (!klant)
        return false;
    if (!OnthoudKlant(programmaMap, KlantSleutel(f.AdresTekst), TeOnthouden(*klant, f)))
        prompts.Melding(kEfactuurTitel, QStringLiteral("De klantgegevens konden niet worden bewaard in de map 'Adressen'."));

    const platform::Opslag opslag{kEfactuurTitel,
                                  QStringLiteral("Geef een naam voor deze factuur...\r\n"
                                                 "Bestanden worden in de map 'Efactuur' geplaatst."),
                                  f.FactuurDatum.value_or(QString()),
                                  EfactuurMap(programmaMap),
                                  QStringLiteral(".xml"),
                                  platform::kBestandBestaat,
                                  QStringLiteral("De e-factuur kon niet worden opgeslagen als ")};
    const auto pad = platform::Opslaan(prompts, opslag, [&](const QString& tijdelijk, const QString& naam) {
        const auto pagina = FactuurPdf(f, naam, bronnen, moment);
        return pagina
            && platform::SchrijfInTijdelijk(tijdelijk, UblFactuur(f, *klant, {naam + QStringLiteral(".pdf"), *pagina}));
    });
    if (!pad)
        return false;
    prompts.Melding(kEfactuurTitel, QStringLiteral("De e-factuur staat in ") + QDir::toNativeSeparators(*pad)
                                        + QStringLiteral("."));
    return true;
}
