#pragma once

#include "invoice/bedrijfsgegevens.h"

#include <QString>

#include <optional>

// The checks of the company details, shared by the dialog, the payment code
// and the e-invoice. Every check takes the text as the user typed it.

// Without blanks of any kind, upper case: the form an IBAN is stored and used in.
QString NormaalIban(const QString& iban);
// ISO 13616: two letters, two check digits, 11 to 30 letters and digits, and
// the number made of it (letters as 10 to 35, the first four moved to the end)
// leaves 1 when divided by 97. Blanks and lower case are allowed.
bool GeldigeIban(const QString& iban);
// A Dutch VAT number: NL, nine digits, B, two digits.
bool GeldigBtwNummer(const QString& btwNummer);
// Eight digits.
bool GeldigKvkNummer(const QString& kvkNummer);
// Eight or eleven letters and digits: bank (four letters), country (two
// letters), place and, for a branch, three more.
bool GeldigeBic(const QString& bic);
// Two letters.
bool GeldigeLandcode(const QString& land);
bool GeldigeBetaaltermijn(int dagen);

// The details as they are kept: IBAN normalised, BIC and country in upper
// case, every text without blanks at its ends.
Bedrijfsgegevens Genormaliseerd(const Bedrijfsgegevens& b);

// The message for the first field that is not right, naming the field and
// what is wrong; nothing when every field may be stored. Empty fields are
// allowed, except that the payment code needs a name and a valid IBAN.
std::optional<QString> FoutInBedrijfsgegevens(const Bedrijfsgegevens& b);

// Nothing filled in yet: every field as a fresh start has it.
bool ZijnLeeg(const Bedrijfsgegevens& b);
