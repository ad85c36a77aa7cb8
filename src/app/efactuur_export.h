#pragma once

#include "invoice/factuur.h"
#include "invoice/klantgegevens.h"
#include "output/factuur_naar_pdf.h"

#include <QString>

#include <ctime>
#include <functional>
#include <optional>

namespace platform {
class Prompts;
}

extern const QString kEfactuurTitel;

// "Klantgegevens": shows the proposed buyer, gives what the user confirmed
// with "Ok", nothing on "Cancel".
using KlantVraag = std::function<std::optional<Klantgegevens>(const Klantgegevens& voorstel)>;

// "Naar e-factuur (UBL)": checks the invoice, asks for the buyer, remembers
// it, checks what the receivers of its profile ask, asks for a name as the
// PDF export does, writes "Efactuur/<name>.xml" with the page "Naar
// Pdf-formaat" would write at that moment inside, and tells where it is.
// Every fault and failure is told; true when written, and then the
// file's path in geschreven when one is given.
bool NaarEfactuur(Factuur& f, const PdfBronnen& bronnen, const QString& programmaMap, platform::Prompts& prompts,
                  const KlantVraag& vraagKlant, std::time_t moment = std::time(nullptr),
                  QString* geschreven = nullptr);
