#pragma once

#include "invoice/bedrijfsgegevens.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// "Bedrijf.ini" beside the settings: the company details, one record for
// each field of BedrijfVelden() in its order, in the settings' record
// convention, after a first record that names the file.
constexpr char kBedrijfBestand[] = "Bedrijf.ini";
constexpr char kBedrijfKop[] = "Quillet bedrijfsgegevens";

// What a file gave, field by field: a record that cannot be used leaves its
// field as a fresh start has it, or, for a text cut off, holds what there
// is of it, so nothing of the user's is lost when the details are written
// back; the field is named.
struct GelezenBedrijf {
    Bedrijfsgegevens gegevens;
    QStringList onbruikbaar;   // the names of those fields, the first record as "de eerste regel"
};
GelezenBedrijf LeesBedrijfsgegevens(const QByteArray& bytes);
// Nothing when there is no file that can be read there.
std::optional<GelezenBedrijf> LeesBedrijfsgegevens(const QString& pad);

// What the user is told, once, of the fields that could not be used.
QString OnbruikbareVeldenMelding(const QString& pad, const QStringList& velden);

// The records a file of these details holds. The records added after the
// file's first form follow only when one of them says something, so the file
// of a user who leaves them alone keeps its bytes.
QByteArray BedrijfsgegevensBytes(const Bedrijfsgegevens& b);
// Replaces the file as a whole; false when it could not be written.
bool SchrijfBedrijfsgegevens(const Bedrijfsgegevens& b, const QString& pad);
