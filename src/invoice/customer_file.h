#pragma once

#include "invoice/klantgegevens.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The remembered buyer details: one file per customer in "Adressen" beside
// the address files, named after the first line of the address block with
// its own extension, so the address book never lists it. Records in the
// settings' convention: the literal "Quillet klantgegevens", the first line
// of the address it belongs to, then the fields of Klantgegevens in order,
// the 0 % choice as its category code.
constexpr char kKlantExtensie[] = ".klant";
constexpr char kKlantKop[] = "Quillet klantgegevens";

// The file name for an address's first line: characters no file name may
// hold on either platform become "_".
QString KlantBestandsnaam(const QString& sleutel);

QByteArray KlantBytes(const QString& sleutel, const Klantgegevens& k);
// The details, when the bytes are a whole customer file of this very address.
std::optional<Klantgegevens> LeesKlant(const QByteArray& bytes, const QString& sleutel);

// What was confirmed last time for this address; nothing when never.
std::optional<Klantgegevens> OnthoudenKlant(const QString& programmaMap, const QString& sleutel);
// Replaces the customer's file (the folder is made when missing); false when it could not be written.
bool OnthoudKlant(const QString& programmaMap, const QString& sleutel, const Klantgegevens& k);
