#pragma once

#include "platform/opslaan.h"

#include <QString>

// "Naar Pdf-formaat" as the user meets it: the name asked for the folder
// "Pdf", proposed as given, and the question before a file is replaced.
platform::Opslag PdfOpslag(const QString& programmaMap, const QString& voorstel);
