#pragma once

#include "invoice/btw_geval.h"
#include "invoice/factuur.h"
#include "invoice/klantgegevens.h"
#include "platform/amount.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

// One issued invoice or credit note as the book keeps it: what the list,
// the VAT return and the mail need, and the page itself.
struct Uitgifte {
    QString nummer;
    QString datumTekst;     // the date as the page shows it
    QDate datum;            // that date, or the day of issue when the page has no real date
    QDate vervaldatum;      // datum + the company's payment term
    QString klant;          // the customer's name
    QString adres;          // the address block as on the page
    QString btwNummer;
    QString land;           // two-letter country code
    QString email;
    int btwProcent = 21;
    NulTarief nultarief = NulTarief::NulProcent;
    platform::Bedrag exBtw;   // the totals as shown: rounded to cents
    platform::Bedrag btw;
    platform::Bedrag inclBtw;
    QString betreftNummer;  // a credit note: the invoice it corrects
    QString betreftDatum;
    QDateTime moment;       // when it left the program
    QByteArray blad;        // the page, see BladBytes

    bool IsCreditnota() const { return !betreftNummer.isEmpty(); }
};

// The invoice as it leaves the program at that moment, for that customer.
Uitgifte UitgifteVan(const Factuur& f, const Klantgegevens& klant, const QDateTime& moment);

// Whether two issues of one number show the same page.
bool ZelfdeInhoud(const Uitgifte& a, const Uitgifte& b);

// The snapshot file kept for every issue: the facts above as records, then
// the page; the book can be rebuilt from these files alone.
QByteArray SnapshotBytes(const Uitgifte& u);
// Nothing when the bytes are not a whole snapshot.
std::optional<Uitgifte> LeesSnapshot(const QByteArray& bytes);

// A date as the page writes it ("05-12-2026"), and back.
QString DatumTekst(QDate datum);
QDate DatumUitTekst(const QString& tekst);
