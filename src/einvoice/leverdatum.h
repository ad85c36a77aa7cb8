#pragma once

#include "invoice/factuur.h"

#include <QDate>
#include <QString>

#include <optional>

// A date as the user types it in a line or a box: day and month, and the
// year when given ("28-11", "28/11/2026", "28.11.26"); days and months that
// do not exist give nothing.
struct GetypteDatum {
    int dag;
    int maand;
    std::optional<int> jaar;
};
std::optional<GetypteDatum> LeesGetypteDatum(const QString& tekst);

// The date of the supply as the invoice's lines give it: the latest of the
// first columns that are dates, in the invoice's year or the one before. A
// day and month without a year lie in the invoice's year, or in the year
// before when that would put them after the invoice date. Nothing when no
// line gives such a date, or the invoice has no date.
std::optional<QDate> LeverdatumUitRegels(const Factuur& f);
