#pragma once

#include <QString>

#include <optional>
#include <span>

// What the buyer is known by on the e-invoicing network: its electronic
// address and, where the scheme is one, its legal identifier.
enum class KlantId {
    Geen,   // no network address: the e-invoice goes by mail
    Kvk,    // KvK-nummer, 8 digits
    Oin,    // OIN of a Dutch government body, 20 digits
    Btw,    // the btw-nummer, in the scheme of the buyer's country
    Gln,    // GS1 location number, 13 digits
};

// The rules a buyer on the network reads its e-invoices by.
enum class Profielkeuze {
    Peppol,   // Peppol BIS Billing 3.0
    SiUbl,    // SI-UBL 2.0, the Dutch rules of government receivers and many bookkeeping packages
};

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
    QString Email;          // where a person at the buyer reads mail about the invoice
    KlantId Id = KlantId::Geen;
    QString IdNummer;       // the KvK-nummer, OIN or GLN; with Btw the btw-nummer is the number
    Profielkeuze Profiel = Profielkeuze::Peppol;
};

// One offered value of a choice field: as a file stores it, as the user sees it.
struct KlantKeuze {
    QString code;
    QString tekst;
};

// One field of the buyer's details, as the customer file stores it and the
// dialog shows it. Every place that lists the fields goes through this table.
struct KlantVeld {
    QString naam;                                      // the key in the file and the caption in the dialog
    QString (*lees)(const Klantgegevens&);             // the value as stored text
    bool (*zet)(Klantgegevens&, const QString&);       // takes the text in its kept form; false when it is no value of the field
    std::span<const KlantKeuze> keuzes;                // the choices offered; empty for free text
};

// Every field in the order the dialog shows them.
std::span<const KlantVeld> KlantVelden();

// The choices of KlantId and Profielkeuze in the order of the enum.
std::span<const KlantKeuze> KlantIdKeuzes();
std::span<const KlantKeuze> ProfielKeuzes();

// The details as they are kept: no blanks at the ends, the country in upper
// case, the btw-nummer and the number without blanks or points, upper case.
Klantgegevens Genormaliseerd(const Klantgegevens& k);

// The buyer as the address block shows it: the first line the name, the
// line with a Dutch postcode ("1234 AB") split into postcode and town, the
// line before that the street, the country NL.
Klantgegevens KlantUitAdres(const QString& adresTekst);

// The first line of the address block, which the remembered details go by.
QString KlantSleutel(const QString& adresTekst);
