#include "invoice/regels_totalen.h"

#include "invoice/algemeen.h"

#include "platform/amount.h"

#include <QRegularExpression>

namespace {

const QString crlf = QStringLiteral("\r\n");

QString MetKomma(QString tekst)
{
    return tekst.replace(QLatin1Char('.'), QLatin1Char(','));
}

}  // namespace

std::optional<QString> GewoonGetal(const QString& tekst)
{
    // A point stands between thousands only where it cannot be the decimal
    // point: before a decimal comma, or one of several. "1.234" stays 1,234.
    static const QRegularExpression getal(
        QStringLiteral("^\\s*([+-]?)\\s*(€?)\\s*([+-]?)\\s*"
                       "(\\d{1,3}(?:\\.\\d{3})+,\\d*|\\d{1,3}(?:\\.\\d{3}){2,}|\\d+[.,]?\\d*|[.,]\\d+)"
                       "\\s*(€?)\\s*([+-]?)\\s*$"),
        QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpressionMatch m = getal.match(tekst);
    if (!m.hasMatch())
        return std::nullopt;
    const QString teken = m.captured(1) + m.captured(3) + m.captured(6);
    if (teken.size() > 1 || m.captured(2).size() + m.captured(5).size() > 1)
        return std::nullopt;
    QString cijfers = m.captured(4);
    if (cijfers.count(QLatin1Char('.')) > 1 || (cijfers.contains(QLatin1Char(',')) && cijfers.contains(QLatin1Char('.'))))
        cijfers.remove(QLatin1Char('.'));
    cijfers.replace(QLatin1Char(','), QLatin1Char('.'));
    return (teken == QLatin1String("-") ? teken : QString()) + cijfers;
}

bool IsBedrag(const QString& tekst)
{
    return GewoonGetal(tekst).has_value();
}

platform::Bedrag BedragWaarde(const QString& tekst)
{
    QString metPunt = tekst;
    return platform::Val(metPunt.replace(QLatin1Char(','), QLatin1Char('.')));
}

QString OpgemaaktePrijs(const QString& tekst)
{
    const auto getal = GewoonGetal(tekst);
    return getal ? platform::FormatBedrag(BedragWaarde(*getal)) : tekst;
}

platform::Bedrag SomVanPrijzen(const RegelTeksten& prijzen)
{
    platform::Bedrag totaal;
    for (const QString& prijs : prijzen)
        totaal += BedragWaarde(OpgemaaktePrijs(prijs));
    return totaal;
}

void BevestigRegels(Factuur& f, const RegelTeksten& aantal, const RegelTeksten& omschrijving,
                    const RegelTeksten& prijs)
{
    f.KolomDatum.clear();
    f.KolomOmschrijving.clear();
    f.KolomPrijs.clear();
    for (int i = 0; i < Factuur::kRegels; ++i) {
        f.Aantal[i] = aantal[i];
        f.Omschrijving[i] = omschrijving[i];
        f.Prijs[i] = MetKomma(prijs[i]);
        f.KolomDatum += f.Aantal[i] + crlf;
        f.KolomOmschrijving += f.Omschrijving[i] + crlf;
        f.KolomPrijs += f.Prijs[i] + crlf;
    }
    BouwBtwKolommen(f);
    f.TotaalExBtw = SomVanPrijzen(f.Prijs);
    const platform::Bedrag btw = f.TotaalExBtw.MaalProcent(f.BtwProcent);
    f.TotaalBtw = btw.OpCenten();
    f.TotaalInclBtw = (f.TotaalExBtw + btw).OpCenten();
}
