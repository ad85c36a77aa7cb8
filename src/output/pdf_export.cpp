#include "output/pdf_export.h"

#include "platform/doelbestand.h"

const QString kPdfTitel = QStringLiteral(" Opslaan naar Pdf-formaat");

std::optional<platform::Doel> VraagPdfBestand(const QString& pdfMap, const QString& voorstel,
                                              platform::Prompts& prompts)
{
    // Cancel, or an empty name, ends the command: a file called ".pdf" helps no one.
    return platform::VraagDoel(prompts, kPdfTitel,
                                      QStringLiteral("Geef een naam voor deze factuur...\r\n"
                                                     "Bestanden worden in de map 'Pdf' geplaatst."),
                              voorstel, pdfMap, QStringLiteral(".pdf"));
}
