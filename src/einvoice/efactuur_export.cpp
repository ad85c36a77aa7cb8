#include "einvoice/efactuur_export.h"

#include "einvoice/efactuur_controle.h"
#include "einvoice/ubl_factuur.h"
#include "invoice/customer_file.h"
#include "platform/doelbestand.h"
#include "platform/files.h"
#include "platform/prompts.h"

#include <QDir>
#include <QFileInfo>

const QString kEfactuurTitel = QStringLiteral(" Opslaan naar e-factuur (UBL)");

QString EfactuurMap(const QString& programmaMap)
{
    QDir(programmaMap).mkpath(QStringLiteral("Efactuur"));
    return platform::Pad(programmaMap, QStringLiteral("Efactuur"));
}

Klantgegevens KlantVoorstel(const Factuur& f, const QString& programmaMap)
{
    Klantgegevens k = OnthoudenKlant(programmaMap, KlantSleutel(f.AdresTekst)).value_or(KlantUitAdres(f.AdresTekst));
    if (k.Referentie.trimmed().isEmpty())
        k.Referentie = f.FactuurNummer;
    return k;
}

namespace {

// A reference that was only the proposed invoice number is not the
// customer's: the next invoice proposes its own number again.
Klantgegevens TeOnthouden(Klantgegevens k, const Factuur& f)
{
    if (k.Referentie.trimmed() == f.FactuurNummer.trimmed())
        k.Referentie.clear();
    return k;
}

}  // namespace

bool NaarEfactuur(Factuur& f, const PdfBronnen& bronnen, const QString& programmaMap, platform::Prompts& prompts,
                  const KlantVraag& vraagKlant, std::time_t moment, QString* geschreven)
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

    const QString map = EfactuurMap(programmaMap);
    const auto pad = platform::VraagDoelbestand(prompts, kEfactuurTitel,
                                                QStringLiteral("Geef een naam voor deze factuur...\r\n"
                                                               "Bestanden worden in de map 'Efactuur' geplaatst."),
                                                f.FactuurDatum.value_or(QString()), map, QStringLiteral(".xml"));
    if (!pad)
        return false;
    const QString naam = QFileInfo(*pad).completeBaseName();
    const auto pagina = FactuurPdf(f, naam, bronnen, moment);
    if (!pagina || !platform::SchrijfBestand(*pad, UblFactuur(f, *klant, {naam + QStringLiteral(".pdf"), *pagina}))) {
        prompts.Melding(kEfactuurTitel, QStringLiteral("De e-factuur kon niet worden opgeslagen als ") + *pad
                                            + QStringLiteral("."));
        return false;
    }
    prompts.Melding(kEfactuurTitel, QStringLiteral("De e-factuur staat in ") + QDir::toNativeSeparators(*pad)
                                        + QStringLiteral("."));
    if (geschreven)
        *geschreven = *pad;
    return true;
}
