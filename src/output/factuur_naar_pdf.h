#pragma once

#include "invoice/factuur.h"

#include <QStringList>

#include <array>
#include <optional>

// What the exported page takes from the main window: the sender's and the
// addressee's lines as shown, and the captions of the headings and totals.
struct PdfBronnen {
    QStringList afzender;
    QStringList adres;
    std::array<QString, 13> Kop;   // 1-8 headings, 10-12 totals, as the preview shows them
    QString programmaMap;
};

// The folder the exports go to, "Pdf" in any letter case, made when missing.
QString PdfMap(const QString& programmaMap);

// Writes the invoice as one A4 page to the given file under the given title;
// every price is stored back with a comma. False when the file could not be written.
bool FactuurNaarPdf(Factuur& f, const QString& pad, const QString& titel, const PdfBronnen& bronnen);
