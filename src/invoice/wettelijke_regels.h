#pragma once

#include "invoice/factuur.h"

#include <QString>
#include <QStringList>

#include <optional>

// What the Dutch VAT act asks an invoice to say beyond its lines: the
// seller's registration numbers and, at 0 %, why there is no VAT. The page,
// the printout and the PDF draw these same texts.

// "KvK 12345678 · Btw NL123456789B01", and the IBAN when no payment code
// says it; nothing when the user did not ask for the line or there is
// nothing to put on it.
std::optional<QString> VerkopersRegel(const Bedrijfsgegevens& b);

// The reason an exemption gives on the invoice, cut to what fits under
// the totals.
QString RedenOpFactuur(const QString& reden);
constexpr int kLangsteReden = 40;

// Under the totals at 0 %: the case and what belongs with it (the reason of
// an exemption, the buyer's btw-nummer); nothing at a rate above 0 or at the
// plain 0 %-tarief.
QStringList BtwGevalRegels(const Factuur& f, const QString& koperBtwNummer);

// The buyer's btw-nummer as remembered for the address on the page.
QString KoperBtwNummer(const Factuur& f, const QString& programmaMap);

// Why an invoice may not leave the program yet: a reverse-charged or
// intra-community invoice without the buyer's btw-nummer. Nothing when it may.
std::optional<QString> OntbrekendVoorBtwGeval(const Factuur& f, const QString& koperBtwNummer);
