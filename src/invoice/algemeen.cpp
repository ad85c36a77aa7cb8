#include "invoice/algemeen.h"

#include "invoice/prijs.h"
#include "platform/amount.h"

#include <QTextLayout>

namespace {

const QString crlf = QStringLiteral("\r\n");

// A zero VAT or total shows as a blank entry rather than 0,00.
QString KolomBedrag(platform::Bedrag bedrag)
{
    return bedrag.IsNul() ? QStringLiteral(" ") : platform::FormatBedrag(bedrag);
}

}  // namespace

RegelBedrag BerekenRegel(const QString& prijs, int btwProcent)
{
    const platform::Bedrag bedrag = PrijsInCenten(prijs);
    const platform::Bedrag btw = bedrag.MaalProcent(btwProcent);
    return {bedrag, btw, bedrag + btw};
}

void BouwBtwKolommen(Factuur& f)
{
    f.KolomBtw.clear();
    f.KolomTotaal.clear();
    for (const QString& prijs : f.Prijs) {
        const RegelBedrag r = BerekenRegel(prijs, f.BtwProcent);
        f.KolomBtw += KolomBedrag(r.btw) + crlf;
        f.KolomTotaal += KolomBedrag(r.totaal) + crlf;
    }
}

void HerberekenFactuur(Factuur& f)
{
    f.KolomDatum.clear();
    f.KolomOmschrijving.clear();
    f.KolomPrijs.clear();
    f.TotaalExBtw = {};
    f.TotaalBtw = {};
    f.TotaalInclBtw = {};
    for (int i = 0; i < Factuur::kRegels; ++i) {
        f.KolomDatum += f.Aantal[i] + crlf;
        f.KolomOmschrijving += f.Omschrijving[i] + crlf;
        f.KolomPrijs += f.Prijs[i] + crlf;
        f.Prijs[i] = PrijsMetPunt(f.Prijs[i]);
        const RegelBedrag r = BerekenRegel(f.Prijs[i], f.BtwProcent);
        f.TotaalExBtw += r.prijs;
        f.TotaalBtw += r.btw;
        f.TotaalInclBtw += r.totaal;
    }
    BouwBtwKolommen(f);
}

QStringList TekstRegels(const QString& tekst, const QFont& font, double tekstBreedte)
{
    QStringList regels;
    QString rest = tekst;
    rest.replace(crlf, QStringLiteral("\n"));
    const QStringList alineas = rest.split(QLatin1Char('\n'));
    for (const QString& alinea : alineas) {
        QTextLayout layout(alinea, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        bool leeg = true;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(tekstBreedte);
            regels << alinea.mid(line.textStart(), line.textLength()).remove(QLatin1Char('\r'));
            leeg = false;
        }
        layout.endLayout();
        if (leeg)
            regels << QString();
    }
    regels << QString();
    return regels;
}

QString BtwKop(const QString& percentage)
{
    return QStringLiteral("Btw ") + percentage + QStringLiteral("%");
}

QString RgbNaarHex(int rood, int groen, int blauw)
{
    auto hex = [](int component) {
        return QString::number(component, 16).toUpper().rightJustified(2, QLatin1Char('0'));
    };
    return hex(rood) + hex(groen) + hex(blauw);
}
