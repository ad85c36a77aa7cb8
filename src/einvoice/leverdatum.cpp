#include "einvoice/leverdatum.h"

#include "einvoice/efactuur_bedragen.h"
#include "einvoice/efactuur_controle.h"

#include <QRegularExpression>

std::optional<GetypteDatum> LeesGetypteDatum(const QString& tekst)
{
    static const QRegularExpression patroon(
        QStringLiteral(R"(^(\d{1,2})[-/.](\d{1,2})(?:[-/.](\d{4}|\d{2}))?$)"));
    const auto m = patroon.match(tekst.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    GetypteDatum d{m.captured(1).toInt(), m.captured(2).toInt(), std::nullopt};
    if (m.hasCaptured(3))
        d.jaar = m.captured(3).size() == 2 ? 2000 + m.captured(3).toInt() : m.captured(3).toInt();
    // 29-02 stands in a leap year: a day and month are checked in one.
    if (!QDate(d.jaar.value_or(2000), d.maand, d.dag).isValid())
        return std::nullopt;
    return d;
}

std::optional<QDate> LeverdatumUitRegels(const Factuur& f)
{
    const auto factuurDatum = FactuurDatumVan(f);
    if (!factuurDatum)
        return std::nullopt;
    const int jaar = factuurDatum->year();
    std::optional<QDate> laatste;
    for (const EfactuurRegel& r : BerekenEfactuur(f).regels) {
        const auto d = LeesGetypteDatum(r.notitie);
        if (!d)
            continue;
        QDate datum(d->jaar.value_or(jaar), d->maand, d->dag);
        if (!d->jaar && datum > *factuurDatum)
            datum = QDate(jaar - 1, d->maand, d->dag);
        if (!datum.isValid() || datum.year() < jaar - 1 || datum.year() > jaar)
            continue;
        if (!laatste || datum > *laatste)
            laatste = datum;
    }
    return laatste;
}
