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

bool IsBedrag(const QString& tekst)
{
    static const QRegularExpression getal(QStringLiteral("^\\s*[+-]?(\\d+[.,]?\\d*|[.,]\\d+)\\s*$"));
    return getal.match(tekst).hasMatch();
}

platform::Bedrag BedragWaarde(const QString& tekst)
{
    QString metPunt = tekst;
    return platform::Val(metPunt.replace(QLatin1Char(','), QLatin1Char('.')));
}

QString OpgemaaktePrijs(const QString& tekst)
{
    return IsBedrag(tekst) ? platform::FormatBedrag(BedragWaarde(tekst)) : tekst;
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
