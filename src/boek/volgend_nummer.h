#pragma once

#include <QDate>
#include <QString>

#include <functional>

// The number after the last one issued, in its own pattern: the last run of
// digits counts on at its width ("2026-117" -> "2026-118", "F0099" -> "F0100",
// "17" -> "18", "99" -> "100"). A series that starts with a year starts again
// at 1 in a later year ("2026-117" in 2027 -> "2027-001"). Empty when the
// number holds no digits to count on.
QString VolgendNummer(const QString& laatste, QDate vandaag);

// The number "Factuur Datum / Nummer" offers: the invoice's own number while
// it is not issued; once it is, the next free number after the last issued
// one (numbers already taken are skipped). Empty book: the invoice's number.
QString VoorgesteldNummer(const QString& huidig, const QString& laatste,
                          const std::function<bool(const QString&)>& isUitgegeven, QDate vandaag);
