#pragma once

#include <QString>

#include <optional>
#include <span>

// How an invoice at 0 % VAT is zero: the cases a receiver's bookkeeping tells
// apart, each with its VAT category code of the standard.
enum class NulTarief {
    NulProcent,         // "0 %-tarief"
    Vrijgesteld,        // "Vrijgesteld / KOR": needs the reason of the exemption
    Verlegd,            // "Btw verlegd": needs the buyer's btw-nummer
    Intracommunautair,  // "Intracommunautaire levering": btw-nummer and a country other than NL
};

// One 0 % case: how it is offered, its category code and, where the standard
// asks for one, the code and text of the exemption reason.
struct NulTariefGeval {
    NulTarief keuze;
    QString keuzeTekst;   // the choice as the user sees it
    QString categorie;    // "Z", "E", "AE" or "K"
    QString redenCode;    // VATEX code; empty when the reason is the user's own or none
    QString reden;        // the fixed reason text; empty when none
    QString factuurTekst; // what the invoice says under its totals; empty when nothing
    bool koperNummer;     // the law asks the buyer's btw-nummer on the invoice
};

// Every case, in the order they are offered.
std::span<const NulTariefGeval> NulTariefGevallen();
const NulTariefGeval& GevalVan(NulTarief keuze);

// The VAT category code of a 0 % choice: "Z", "E", "AE" or "K".
QString Categorie(NulTarief keuze);
// The choice of a category code; nothing for any other text.
std::optional<NulTarief> NulTariefVan(const QString& categorie);
