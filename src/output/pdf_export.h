#pragma once

#include "platform/doelbestand.h"

#include <QString>

#include <optional>

namespace platform {
class Prompts;
}

// Asks for the name of the PDF file and whether an existing one may be
// replaced. The full path to write and the typed name (the document's title),
// or nothing when the user stops.
std::optional<platform::Doel> VraagPdfBestand(const QString& pdfMap, const QString& voorstel, platform::Prompts& prompts);

extern const QString kPdfTitel;
