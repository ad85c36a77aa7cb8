#pragma once

#include "boek/facturenboek.h"
#include "boek/uitgifte.h"
#include "invoice/factuur.h"
#include "invoice/regels_totalen.h"

#include <QDateTime>

// An invoice of one or more lines as the lines editor leaves it, issued at a
// fixed moment.
inline Factuur TestFactuur(const QString& nummer, const QString& datum, std::initializer_list<const char*> prijzen,
                           int procent = 21)
{
    Factuur f;
    ZetStandaardwaarden(f);
    f.FactuurNummer = nummer;
    f.FactuurDatum = datum;
    f.BtwProcent = std::uint8_t(procent);
    f.AdresTekst = QStringLiteral("Bakkerij De Korf\r\nDorpsstraat 1\r\n1234 AB, Ede");
    RegelTeksten aantal, omschrijving, prijs;
    int i = 0;
    for (const char* p : prijzen) {
        omschrijving[i] = QStringLiteral("Werk %1").arg(i + 1);
        prijs[i++] = QString::fromLatin1(p);
    }
    BevestigRegels(f, aantal, omschrijving, prijs);
    return f;
}

inline const QDateTime kMoment(QDate(2026, 12, 5), QTime(10, 0), Qt::UTC);

inline Uitgifte TestUitgifte(const Factuur& f)
{
    Klantgegevens klant = KlantUitAdres(f.AdresTekst);
    return UitgifteVan(f, klant, kMoment);
}
