#pragma once

#include "platform/amount.h"

#include <QString>

#include <optional>

// How a price text is read, wherever one is read: the click into a price box,
// "Totaal", "Ok", the page, the printout, the PDF, the e-invoice and an
// opened invoice file. The amount a user typed is the amount every one of
// them computes, shows and stores.

// A price text as a plain number ("-1234.50") when it is a number the way a
// Dutch user writes it: blanks, a sign and a euro sign around it, a decimal
// comma or point, points between thousands ("1.234,50").
std::optional<QString> GewoonGetal(const QString& tekst);

// Whether a price box holds such a number.
bool IsBedrag(const QString& tekst);

// The exact amount of a price text: such a number as it is written; any
// other text by its leading number, a comma read as a point ("12abc" is 12,
// letters only 0).
platform::Bedrag PrijsWaarde(const QString& prijs);

// What a line's price counts for in its VAT, its total and the invoice's
// totals: its amount rounded to cents, as the "Totaal" button shows it and
// as the e-invoice rounds its line amount. So every rule that sums the lines
// comes to the same cents.
platform::Bedrag PrijsInCenten(const QString& prijs);

// A price box as the "Totaal" button leaves it and "Ok" stores it: a number
// formatted with two decimals and a decimal comma, anything else unchanged.
QString OpgemaaktePrijs(const QString& tekst);

// A price as an opened invoice and the printout hold it: every comma a point,
// as every stored price holds it ("12,50" becomes "12.50"), unless that
// text would stand for another amount: then the plain number ("1.234,50"
// becomes "1234.50", not "1.234.50").
QString PrijsMetPunt(const QString& prijs);

// A price as the lines editor stores it: every point a comma ("12.5" becomes
// "12,5"), unless that text would stand for another amount: then as "Totaal"
// shows it ("1.234,50" stays "1234,50", "€ 12,50" becomes "12,50").
QString PrijsMetKomma(const QString& prijs);

// A price of a billion euro or more: past it the sums are not exact, and the
// payment code stops below it.
bool IsTeGrotePrijs(const QString& prijs);
