#pragma once

#include "invoice/bedrijfsgegevens.h"

#include <QByteArray>
#include <QString>

#include <optional>

// "Bedrijf.ini" beside the settings: the company details, 13 records in a
// fixed order in the settings' record convention.
constexpr char kBedrijfBestand[] = "Bedrijf.ini";
constexpr char kBedrijfKop[] = "Quillet bedrijfsgegevens";

// The details, or nothing when the file is missing, short or not ours.
std::optional<Bedrijfsgegevens> LeesBedrijfsgegevens(const QByteArray& bytes);
std::optional<Bedrijfsgegevens> LeesBedrijfsgegevens(const QString& pad);

QByteArray BedrijfsgegevensBytes(const Bedrijfsgegevens& b);
// Replaces the file as a whole; false when it could not be written.
bool SchrijfBedrijfsgegevens(const Bedrijfsgegevens& b, const QString& pad);
