#pragma once

#include "invoice/factuur.h"
#include "invoice/klantgegevens.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The remembered buyer details: one file per customer in "Adressen" beside
// the address files, named after the first line of the address block with
// its own extension, so the address book never lists it. Records in the
// settings' convention: the literal "Quillet klantgegevens 2", the first line
// of the address it belongs to, then one record per field of KlantVelden:
// its name and its value. Files of the first form, "Quillet klantgegevens"
// and the fields in a fixed order, are read too.
constexpr char kKlantExtensie[] = ".klant";

// The file name for an address's first line: characters no file name may
// hold on either platform become "_". Addresses whose first lines make the same name take
// the next free number: "A_B.klant", "A_B (2).klant".
QString KlantBestandsnaam(const QString& sleutel, int n = 1);

QByteArray KlantBytes(const QString& sleutel, const Klantgegevens& k);

// What a customer file holds: the details, and the names of the fields it
// held in a form they could not be taken from (those keep their defaults).
struct GelezenKlant {
    Klantgegevens gegevens;
    QStringList onbruikbaar;
};
// Nothing when the bytes are no customer file of this very address.
std::optional<GelezenKlant> LeesKlant(const QByteArray& bytes, const QString& sleutel);

// What was confirmed last time for this address; nothing when never.
std::optional<GelezenKlant> OnthoudenKlant(const QString& programmaMap, const QString& sleutel);
// Replaces this customer's file, or makes one (and the folder) when there is
// none; a customer file of another address under the same name is left alone
// and the details go to a name of their own. A file that is no customer file
// at all gives way. False when they could not be written.
bool OnthoudKlant(const QString& programmaMap, const QString& sleutel, const Klantgegevens& k);

// The buyer to propose for the invoice's address: what was confirmed last
// time for it, with the names of the fields that could not be used, or what
// the address block shows; an empty reference becomes the invoice number.
GelezenKlant KlantVoorstel(const Factuur& f, const QString& programmaMap);

// What is remembered of the confirmed buyer: a reference that was only the
// proposed invoice number is not the customer's, so the next invoice
// proposes its own number again.
Klantgegevens TeOnthouden(Klantgegevens k, const Factuur& f);
