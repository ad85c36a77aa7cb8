#pragma once

#include "invoice/factuur.h"
#include "invoice/klantgegevens.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <optional>

// The page a person at the customer reads, carried inside the e-invoice.
struct PdfBijlage {
    QString bestandsnaam;   // "<name>.pdf"
    QByteArray bytes;
};

// The invoice as a UBL 2.1 Invoice to EN 16931 in the profile the buyer's
// details lead to (Peppol BIS Billing 3.0, SI-UBL 2.0 or the standard alone),
// UTF-8: seller from the company details, buyer as confirmed, one line per
// invoice line that holds something, one VAT category, the totals and the
// page as an attachment, and the date of the supply when known (an
// intra-community supply needs it). A credit note becomes a UBL CreditNote
// (type 381) that names the invoice it corrects, with what it credits as
// positive amounts and no payment asked. Checked beforehand by
// FoutInFactuur, FoutInKlant and FoutVoorOntvanger.
QByteArray UblFactuur(const Factuur& f, const Klantgegevens& klant, const PdfBijlage& pdf,
                      const std::optional<QDate>& leverdatum);
