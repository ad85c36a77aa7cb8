#pragma once

#include "invoice/factuur.h"

#include <QByteArray>
#include <QStringList>

#include <array>
#include <ctime>
#include <optional>

// What the exported page takes from the main window: the sender's and the
// addressee's lines as shown, and the captions of the headings and totals.
struct PdfBronnen {
    QStringList afzender;
    QStringList adres;
    std::array<QString, 13> Kop;   // 1-8 headings, 10-12 totals, as the preview shows them
    QString programmaMap;
};

// The invoice as the bytes of one A4 page, titled and dated as given; every
// price is stored back with a comma. The same invoice at the same moment
// gives the same bytes. Nothing when the page could not be made.
std::optional<QByteArray> FactuurPdf(Factuur& f, const QString& titel, const PdfBronnen& bronnen, std::time_t moment);

// Writes that page into the file at the path, in place of what it held:
// the temporary file of a save. False when it could not be written.
bool FactuurNaarPdf(Factuur& f, const QString& pad, const QString& titel, const PdfBronnen& bronnen,
                    std::time_t moment = std::time(nullptr));
