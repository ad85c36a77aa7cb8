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
// missing at the end, a text where a number belongs or a layout other than
// 1 or 2 stops the reading: the records read before stay in effect and the
// result is false.
bool LeesInstellingen(Factuur& f, const QString& pad);
bool LeesInstellingen(Factuur& f, const QByteArray& bytes);

QByteArray InstellingenBytes(const Factuur& f);
// Replaces the file as a whole; false when it could not be written.
bool SchrijfInstellingen(const Factuur& f, const QString& pad);

// Writes the settings in place of a file that could not be read, once that
// file is kept beside it as "Quillet-onleesbaar.ini" ("-2", "-3" when that
// name is taken), so nothing the user wrote in it is lost. A file that
// cannot be kept is left as it is.
bool HerschrijfInstellingen(const Factuur& f, const QString& pad);
