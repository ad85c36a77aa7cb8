#pragma once

#include "invoice/btw_geval.h"

#include <QString>

#include <optional>

// The buyer of an e-invoice: what the address block cannot hold, confirmed
// by the user in "Klantgegevens" and remembered per customer.
struct Klantgegevens {
    QString Naam;
    QString Straat;         // street and house number
    QString Postcode;
    QString Plaats;
    QString Land = QStringLiteral("NL");   // two-letter country code
    QString Referentie;     // "Uw referentie": the buyer's order or reference number
    QString BtwNummer;
    QString Email;          // the buyer's electronic address
    NulTarief Nultarief = NulTarief::NulProcent;
    QString RedenVrijstelling;
};

// The buyer as the address block shows it: the first line the name, the
// line with a Dutch postcode ("1234 AB") split into postcode and town, the
// line before that the street, the country NL.
Klantgegevens KlantUitAdres(const QString& adresTekst);

// The first line of the address block, which the remembered details go by.
QString KlantSleutel(const QString& adresTekst);
