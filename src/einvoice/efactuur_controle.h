#pragma once

#include "invoice/factuur.h"
#include "invoice/klantgegevens.h"

#include <QDate>
#include <QString>

#include <optional>

// What a receiver of the e-invoice would reject, told in Dutch before any
// file is written. Each check gives the message for the first fault found.

// The invoice date "dd-mm-yyyy" as a date; nothing when unset or no real date.
std::optional<QDate> FactuurDatumVan(const Factuur& f);

// The invoice and the seller: a date, a number, the seller's name, country
// and btw-nummer (every VAT category asks for it), lines, a total that is
// not negative (for a credit note: that credits nothing negative), and
// company details that pass their own checks.
std::optional<QString> FoutInFactuur(const Factuur& f);

// The buyer: a name, a country, a reference, a btw-nummer in the form of its
// country, an e-mail address, a network address in its form, what the
// receivers of its profile ask of a Dutch buyer (its address; for SI-UBL a
// KvK-nummer or OIN), and what the invoice's 0 % case needs of the buyer.
std::optional<QString> FoutInKlant(const Klantgegevens& k, const Factuur& f);

// What the receivers of the profile the buyer's details lead to ask of the
// seller beyond the standard: its address, for SI-UBL its KvK-nummer, and a
// payment means when the customer has something to pay.
std::optional<QString> FoutVoorOntvanger(const Factuur& f, const Klantgegevens& k);
