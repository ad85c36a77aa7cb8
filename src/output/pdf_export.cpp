#include "output/pdf_export.h"

#include "platform/files.h"
#include "platform/prompts.h"

const QString kPdfTitel = QStringLiteral(" Opslaan naar Pdf-formaat");

std::optional<QString> VraagPdfBestand(const QString& pdfMap, const QString& voorstel, platform::Prompts& prompts)
{
    const auto naam = prompts.Invoer(kPdfTitel,
                                     QStringLiteral("Geef een naam voor deze factuur...\r\n"
                                                    "Bestanden worden in de map 'Pdf' geplaatst."),
                                     voorstel);
    // Cancel, or an empty name, ends the command: a file called ".pdf" helps no one.
    if (!naam || naam->isEmpty())
        return std::nullopt;
    if (!platform::GeldigeBestandsnaam(*naam)) {
        prompts.Melding(kPdfTitel, QStringLiteral("De naam '") + *naam
                                       + QStringLiteral("' kan niet als bestandsnaam worden gebruikt."));
        return std::nullopt;
    }
    QString bestand = *naam + QStringLiteral(".pdf");
    if (const auto bestaand = platform::BestaandeNaam(pdfMap, bestand)) {
        if (!prompts.Vraag(QStringLiteral(" File exist"),
                           QStringLiteral("Bestand '") + *naam + QStringLiteral("' bestaat reeds, overschrijven?")))
            return std::nullopt;
        bestand = *bestaand;  // the file that was there is the one replaced
    }
    return platform::Pad(pdfMap, bestand);
}
