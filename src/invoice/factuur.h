#pragma once

#include "invoice/bedrijfsgegevens.h"
#include "invoice/btw_geval.h"
#include "platform/amount.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// The one invoice the program holds: its lines, texts, settings and the
// totals derived from the lines. Created once and passed to every window and
// routine that reads or changes it.
struct Factuur {
    static constexpr int kRegels = 20;

    std::array<QString, kRegels> Aantal;        // first column: a date, a quantity, free text
    std::array<QString, kRegels> Omschrijving;
    std::array<QString, kRegels> Prijs;         // price excluding VAT, as typed

    std::array<QString, 13> KopTekst{};         // entries 1-8 used
    std::array<QString, 3> VoetTekst{};         // entries 1-2 used
    QString AfzenderTekst;
    QString AdresTekst;
    std::optional<QString> FactuurDatum;        // unset until a date is chosen
    QString FactuurNummer;
    // A credit note names the invoice it corrects; both empty on an invoice.
    QString BetreftNummer;
    QString BetreftDatum;

    std::uint8_t LayoutNr = 2;
    std::uint8_t BtwProcent = 21;               // never stored: every start begins at 21
    NulTarief Nultarief = NulTarief::NulProcent; // why the VAT is zero, when BtwProcent is 0
    QString RedenVrijstelling;                  // with Vrijgesteld: the reason every output gives
    QString LogoBestand;
    QString AchtergrondBestand;
    std::int16_t KleurR = 240;
    std::int16_t KleurG = 250;
    std::uint8_t KleurB = 140;
    QString GereserveerdeTekst;                 // third settings record, kept as read
    Bedrijfsgegevens Bedrijf;                   // from "Bedrijf.ini", not from the settings

    platform::Bedrag TotaalExBtw;
    platform::Bedrag TotaalBtw;
    platform::Bedrag TotaalInclBtw;
    QString KolomDatum, KolomOmschrijving, KolomPrijs, KolomBtw, KolomTotaal;

    std::uint8_t MijndataModus = 0;             // 1 sender, 2 address, 3 background, 4 logo
};

// Every default a fresh start begins with.
void ZetStandaardwaarden(Factuur& f);

extern const QString kVoorbeeldAfzender;
extern const QString kVoorbeeldAdres;
