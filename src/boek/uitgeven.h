#pragma once

#include "boek/facturenboek.h"

namespace platform {
class Prompts;
}

extern const QString kBoekTitel;

// Opens the book when it is not open yet and tells what the user should
// know: why it cannot be used, or that a damaged one was set aside.
bool OpenBoek(Facturenboek& boek, platform::Prompts& prompts);

// Opens the book when it is not open yet and tells only news (a damaged
// book set aside); why it cannot be used is told once an issue cannot be
// recorded.
void OpenStil(Facturenboek& boek, platform::Prompts& prompts);

// The number to propose after this one: itself while it is not issued, else
// the next free one after the last issued.
QString VolgendVrijNummer(Facturenboek& boek, const QString& nummer);

// Before an invoice leaves the program: a number issued before with another
// page is asked about (a number may be used once); an invoice without a
// number is asked about too, as the book cannot hold it. True when the
// output may go ahead. A book that cannot be opened never stops the output.
bool MagUitgeven(Facturenboek& boek, const Uitgifte& u, platform::Prompts& prompts);

// After the output succeeded: records it, and tells the user what could not
// be kept. Nothing for an invoice without a number.
void LegUitgifteVast(Facturenboek& boek, const Uitgifte& u, const UitgifteBestanden& bestanden,
                     platform::Prompts& prompts);
