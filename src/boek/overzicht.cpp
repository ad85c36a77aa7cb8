#include "boek/overzicht.h"

#include <algorithm>

int DagenTeLaat(const Boekregel& r, QDate vandaag)
{
    if (r.betaald || r.uitgifte.IsCreditnota() || vandaag <= r.uitgifte.vervaldatum)
        return 0;
    return int(r.uitgifte.vervaldatum.daysTo(vandaag));
}

QString StatusTekst(const Boekregel& r, QDate vandaag)
{
    if (r.betaald)
        return QStringLiteral("Betaald ") + DatumTekst(*r.betaald);
    const int dagen = DagenTeLaat(r, vandaag);
    if (dagen == 0)
        return QStringLiteral("Open");
    return QStringLiteral("Te laat (%1 %2)").arg(dagen).arg(dagen == 1 ? QStringLiteral("dag") : QStringLiteral("dagen"));
}

int Kwartaal(QDate datum)
{
    return (datum.month() - 1) / 3 + 1;
}

namespace {

bool Past(const Boekregel& r, const BoekFilter& f, QDate vandaag)
{
    const Uitgifte& u = r.uitgifte;
    if (f.jaar != 0 && u.datum.year() != f.jaar)
        return false;
    if (f.kwartaal != 0 && Kwartaal(u.datum) != f.kwartaal)
        return false;
    switch (f.status) {
    case BoekStatus::Alle: break;
    case BoekStatus::Open: if (r.betaald) return false; break;
    case BoekStatus::Betaald: if (!r.betaald) return false; break;
    case BoekStatus::TeLaat: if (DagenTeLaat(r, vandaag) == 0) return false; break;
    }
    const QString zoek = f.zoek.trimmed();
    return zoek.isEmpty() || u.klant.contains(zoek, Qt::CaseInsensitive) || u.nummer.contains(zoek, Qt::CaseInsensitive);
}

}  // namespace

std::vector<int> Gefilterd(const std::vector<Boekregel>& regels, const BoekFilter& filter, QDate vandaag)
{
    std::vector<int> getoond;
    getoond.reserve(regels.size());
    for (int i = 0; i < int(regels.size()); ++i)
        if (Past(regels[i], filter, vandaag))
            getoond.push_back(i);
    return getoond;
}

Totalen TotalenVan(const std::vector<Boekregel>& regels, const std::vector<int>& getoond)
{
    Totalen t;
    for (int i : getoond) {
        t.exBtw += regels[i].uitgifte.exBtw;
        t.btw += regels[i].uitgifte.btw;
        t.inclBtw += regels[i].uitgifte.inclBtw;
    }
    return t;
}

QList<int> Jaren(const std::vector<Boekregel>& regels)
{
    QList<int> jaren;
    for (const Boekregel& r : regels)
        if (!jaren.contains(r.uitgifte.datum.year()))
            jaren << r.uitgifte.datum.year();
    std::sort(jaren.begin(), jaren.end(), std::greater<>());
    return jaren;
}
