#pragma once

#include "invoice/factuur.h"
#include "invoice/klantgegevens.h"

#include <QByteArray>
#include <QString>

// The page a person at the customer reads, carried inside the e-invoice.
struct PdfBijlage {
    QString bestandsnaam;   // "<name>.pdf"
    QByteArray bytes;
};

// The invoice as a UBL 2.1 Invoice to EN 16931 (Peppol BIS Billing 3.0),
// UTF-8: seller from the company details, buyer as confirmed, one line per
// invoice line that holds something, one VAT category, the totals and the
// page as an attachment. Checked beforehand by FoutInFactuur and FoutInKlant.
QByteArray UblFactuur(const Factuur& f, const Klantgegevens& klant, const PdfBijlage& pdf);
