#include "output/pdf_export.h"

#include "invoice/mappen.h"

platform::Opslag PdfOpslag(const QString& programmaMap, const QString& voorstel)
{
    return {QStringLiteral(" Opslaan naar Pdf-formaat"),
            QStringLiteral("Geef een naam voor deze factuur...\r\nBestanden worden in de map 'Pdf' geplaatst."),
            voorstel,
            Map(programmaMap, Bestandsmap::Pdf),
            QStringLiteral(".pdf"),
            platform::kBestandBestaat,
            QStringLiteral("De factuur kon niet worden opgeslagen als ")};
}
