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

// The value of an amount's "###0.00" text, as the totals are held.
float OpCentenAfgerond(double bedrag)
{
    return static_cast<float>(BedragWaarde(platform::FormatBedrag(static_cast<float>(bedrag))));
}

}  // namespace

bool IsBedrag(const QString& tekst)
{
    static const QRegularExpression getal(QStringLiteral("^\\s*[+-]?(\\d+[.,]?\\d*|[.,]\\d+)\\s*$"));
    return getal.match(tekst).hasMatch();
}

double BedragWaarde(const QString& tekst)
{
    QString metPunt = tekst;
    return platform::Val(metPunt.replace(QLatin1Char(','), QLatin1Char('.')));
}

QString OpgemaaktePrijs(const QString& tekst)
{
    return IsBedrag(tekst) ? platform::FormatBedrag(BedragWaarde(tekst)) : tekst;
}

float SomVanPrijzen(const RegelTeksten& prijzen)
{
    float totaal = 0;
    for (const QString& prijs : prijzen)
        totaal = static_cast<float>(totaal + BedragWaarde(OpgemaaktePrijs(prijs)));
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
    const float btw = static_cast<float>(f.TotaalExBtw / 100.0 * f.BtwProcent);
    f.TotaalBtw = OpCentenAfgerond(btw);
    f.TotaalInclBtw = OpCentenAfgerond(static_cast<double>(f.TotaalExBtw) + btw);
}
