#pragma once

#include "invoice/factuur.h"

#include <QByteArray>
#include <QString>

namespace platform {
class Prompts;
}

// Invoice files "Facturen/<name>.fac": two header records, the 20 lines as
// three texts each, a dash record, the date and the number.
constexpr char kFactuurExtensie[] = ".fac";

// A new invoice: the 20 lines empty and the totals 0. Date, number and
// everything else stay.
void NieuweFactuur(Factuur& f);

// A line whose description is blank counts as empty: all three of its
// fields are emptied, in the invoice itself.
void WisRegelsZonderOmschrijving(Factuur& f);

QByteArray FactuurBytes(const Factuur& f);

// Takes the lines, date and number from a whole invoice file. A file cut
// short or out of shape changes nothing and gives false.
bool LeesFactuur(Factuur& f, const QByteArray& bytes);
bool LeesFactuur(Factuur& f, const QString& pad);

// "Factuur Opslaan": asks for a name (the invoice date proposed), asks before
// replacing an existing file, empties the lines without a description and
// writes the file. Tells the user when the name or the write fails. True
// when the file was written.
bool SaveFactuur(Factuur& f, platform::Prompts& prompts, const QString& programmaMap);
