#pragma once

#include "invoice/bedrijfsgegevens.h"

#include <QString>

#include <optional>

// The checks of the company details, shared by the dialog, the payment code
// and the e-invoice. Every check takes the text as the user typed it.

// ISO 13616: the two letters of a country with IBAN, two check digits other
// than 00, 01 and 99, the length of that country, and the number made of it
// (letters as 10 to 35, the first four moved to the end) leaves 1 when
// divided by 97. Blanks, hyphens and lower case are allowed. The message
// says what is wrong, in Dutch, without the field's name.
std::optional<QString> FoutInIban(const QString& iban);
bool GeldigeIban(const QString& iban);
// A code as it is kept and written (a country, a BIC): without blanks at its
// ends, the letters a to z in upper case. Other characters stay as typed: the
// upper case of some (ƒ, µ) has no place in the files' code page.
QString Hoofdletters(const QString& code);
// A number as it is kept and written (an IBAN, a btw-nummer, an identifier):
// without blanks, points or hyphens, upper case.
QString NormaalNummer(const QString& nummer);
// A Dutch VAT number: NL, nine digits, B, two digits; blanks, points and
// lower case are allowed.
bool GeldigBtwNummer(const QString& btwNummer);
// A VAT number of the given country: in the Union its own prefix ("EL" for
// Greece) and form; elsewhere the country's code and letters or digits.
bool BtwNummerVanLand(const QString& btwNummer, const QString& land);
// Eight digits.
bool GeldigKvkNummer(const QString& kvkNummer);
// The identification number of a Dutch government body: twenty digits.
bool GeldigOin(const QString& oin);
// A GS1 location number: thirteen digits, the last its check digit.
bool GeldigeGln(const QString& gln);
// Eight or eleven letters and digits: bank (four letters), country (two
// letters), place and, for a branch, three more.
bool GeldigeBic(const QString& bic);
// name@domain.land: one "@", no blanks, a domain of at least two parts.
bool GeldigEmailadres(const QString& email);
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
