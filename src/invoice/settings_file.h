#pragma once

#include "invoice/factuur.h"

#include <QByteArray>
#include <QString>

// "Quillet.ini": 25 records in a fixed order; the position of a record is its meaning.
constexpr char kInstellingenBestand[] = "Quillet.ini";

// The first two records of the settings and the invoice files; readers skip them.
constexpr char kBestandsKop[] = "Averno Software 2011";
constexpr char kStreep[] = "--------------------------";

// Reads the records into the invoice one by one. A missing file, a record
// missing at the end or a text where a number belongs stops the reading:
// the records read before stay in effect and the result is false.
bool LeesInstellingen(Factuur& f, const QString& pad);
bool LeesInstellingen(Factuur& f, const QByteArray& bytes);

QByteArray InstellingenBytes(const Factuur& f);
// Replaces the file as a whole; false when it could not be written.
bool SchrijfInstellingen(const Factuur& f, const QString& pad);
