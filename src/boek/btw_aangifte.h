#pragma once

#include "boek/facturenboek.h"
#include "platform/amount.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>
#include <utility>
#include <vector>

// The figures of the Dutch VAT return from the issued invoices and credit
// notes of a quarter (a credit note counts with its negative amounts).

enum class Rubriek { R1a, R1b, R1c, R1e, R3b, Geen };

// Where a document's turnover belongs: 21 % high rate (1a), 9 % low rate
// (1b), any other rate (1c), 0 % and reverse charge (1e), supplies to other
// EU countries (3b); an exempt (KOR) supply is in no rubriek.
Rubriek RubriekVan(const Uitgifte& u);
QString RubriekNaam(Rubriek r);   // "1a", ...; empty for Geen

struct RubriekBedrag {
    platform::Bedrag omzet;
    platform::Bedrag btw;
};

struct BtwAangifte {
    int jaar = 0;
    int kwartaal = 0;                       // 1-4; 0 for the whole year
    std::array<RubriekBedrag, 5> rubrieken; // 1a, 1b, 1c, 1e, 3b
    std::vector<int> documenten;            // places in the rows, oldest first
    // The small-business scheme: the year's turnover in the Netherlands
    // against the threshold; shown for a user who issues exempt (KOR) invoices.
    bool kor = false;
    platform::Bedrag korOmzet;
};

constexpr std::int64_t kKorDrempelEuro = 20'000;

BtwAangifte BerekenAangifte(const std::vector<Boekregel>& regels, int jaar, int kwartaal);

// The figures and the quarter's documents as CSV for the accountant: UTF-8,
// semicolons, decimal commas, one header row each.
QByteArray AangifteCsv(const BtwAangifte& a);
QByteArray DocumentenCsv(const BtwAangifte& a, const std::vector<Boekregel>& regels, QDate vandaag);

// The period as a file name and a caption shows it: "2026-K4", or "2026".
QString Periode(const BtwAangifte& a);

// Writes both CSV files into the folder "Btw-aangifte" beside the program
// ("Btw-aangifte 2026-K4.csv", "Facturen 2026-K4.csv"); their paths, or
// nothing when either could not be written.
std::optional<std::pair<QString, QString>> SchrijfAangifte(const QString& programmaMap, const BtwAangifte& a,
                                                           const std::vector<Boekregel>& regels, QDate vandaag);
