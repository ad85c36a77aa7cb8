#include "boek/btw_aangifte.h"

#include "boek/overzicht.h"
#include "invoice/mappen.h"
#include "platform/files.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>

using platform::Bedrag;

Rubriek RubriekVan(const Uitgifte& u)
{
    if (u.btwProcent == 21)
        return Rubriek::R1a;
    if (u.btwProcent == 9)
        return Rubriek::R1b;
    if (u.btwProcent != 0)
        return Rubriek::R1c;
    switch (u.nultarief) {
    case NulTarief::NulProcent:
    case NulTarief::Verlegd: return Rubriek::R1e;
    case NulTarief::Intracommunautair: return Rubriek::R3b;
    case NulTarief::Vrijgesteld: return Rubriek::Geen;
    }
    return Rubriek::Geen;
}

QString RubriekNaam(Rubriek r)
{
    static const QString namen[] = {QStringLiteral("1a"), QStringLiteral("1b"), QStringLiteral("1c"),
                                    QStringLiteral("1e"), QStringLiteral("3b"), QString()};
    return namen[int(r)];
}

BtwAangifte BerekenAangifte(const std::vector<Boekregel>& regels, int jaar, int kwartaal)
{
    BtwAangifte a;
    a.jaar = jaar;
    a.kwartaal = kwartaal;
    for (int i = 0; i < int(regels.size()); ++i) {
        const Uitgifte& u = regels[i].uitgifte;
        if (u.datum.year() != jaar)
            continue;
        const Rubriek r = RubriekVan(u);
        if (r != Rubriek::R3b)
            a.korOmzet += u.exBtw;
        if (u.btwProcent == 0 && u.nultarief == NulTarief::Vrijgesteld)
            a.kor = true;
        if (kwartaal != 0 && Kwartaal(u.datum) != kwartaal)
            continue;
        a.documenten.push_back(i);
        if (r == Rubriek::Geen)
            continue;
        a.rubrieken[int(r)].omzet += u.exBtw;
        a.rubrieken[int(r)].btw += u.btw;
    }
    std::stable_sort(a.documenten.begin(), a.documenten.end(), [&regels](int x, int y) {
        return regels[x].uitgifte.datum < regels[y].uitgifte.datum;
    });
    return a;
}

namespace {

const QString kRubriekOmschrijving[] = {
    QStringLiteral("Leveringen/diensten belast met hoog tarief"),
    QStringLiteral("Leveringen/diensten belast met laag tarief"),
    QStringLiteral("Leveringen/diensten belast met overige tarieven, behalve 0%"),
    QStringLiteral("Leveringen/diensten belast met 0% of niet bij u belast"),
    QStringLiteral("Leveringen naar of diensten in landen binnen de EU"),
};

const QRegularExpression kGetal(QStringLiteral("^-?[0-9]+(,[0-9]+)?$"));

// A field as CSV holds it: quoted when it holds a separator, a quote or a
// line break. A text that a spreadsheet would run as a formula (a customer
// named "=...") gets a leading apostrophe, so it stays a text.
QString Veld(QString tekst)
{
    tekst.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    if (!tekst.isEmpty() && QStringLiteral("=+-@").contains(tekst[0]) && !kGetal.match(tekst).hasMatch())
        tekst.prepend(QLatin1Char('\''));
    if (!tekst.contains(QLatin1Char(';')) && !tekst.contains(QLatin1Char('"')) && !tekst.contains(QLatin1Char('\n'))
        && !tekst.contains(QLatin1Char('\r')))
        return tekst;
    return QLatin1Char('"') + tekst.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QByteArray Regels(const QList<QStringList>& rijen)
{
    QByteArray csv;
    for (const QStringList& rij : rijen) {
        QStringList velden;
        for (const QString& v : rij)
            velden << Veld(v);
        csv += velden.join(QLatin1Char(';')).toUtf8() + "\r\n";
    }
    return csv;
}

}  // namespace

QByteArray AangifteCsv(const BtwAangifte& a)
{
    QList<QStringList> rijen{{QStringLiteral("Rubriek"), QStringLiteral("Omschrijving"), QStringLiteral("Omzet"),
                              QStringLiteral("Btw")}};
    for (int r = 0; r < 5; ++r)
        rijen << QStringList{RubriekNaam(Rubriek(r)), kRubriekOmschrijving[r], FormatBedrag(a.rubrieken[r].omzet),
                             r == int(Rubriek::R1e) || r == int(Rubriek::R3b) ? QString()
                                                                               : FormatBedrag(a.rubrieken[r].btw)};
    if (a.kor)
        rijen << QStringList{QStringLiteral("KOR"),
                             QStringLiteral("Omzet in Nederland in %1 (drempel %2 euro)").arg(a.jaar).arg(kKorDrempelEuro),
                             FormatBedrag(a.korOmzet), QString()};
    return Regels(rijen);
}

QByteArray DocumentenCsv(const BtwAangifte& a, const std::vector<Boekregel>& regels, QDate vandaag)
{
    QList<QStringList> rijen{{QStringLiteral("Nummer"), QStringLiteral("Soort"), QStringLiteral("Datum"),
                              QStringLiteral("Klant"), QStringLiteral("Btw-nummer"), QStringLiteral("Land"),
                              QStringLiteral("Btw %"), QStringLiteral("Rubriek"), QStringLiteral("Excl. btw"),
                              QStringLiteral("Btw"), QStringLiteral("Incl. btw"), QStringLiteral("Betreft factuur"),
                              QStringLiteral("Status")}};
    for (int i : a.documenten) {
        const Boekregel& r = regels[i];
        const Uitgifte& u = r.uitgifte;
        rijen << QStringList{u.nummer, u.IsCreditnota() ? QStringLiteral("Creditnota") : QStringLiteral("Factuur"),
                             DatumTekst(u.datum), u.klant, u.btwNummer, u.land, QString::number(u.btwProcent),
                             RubriekNaam(RubriekVan(u)), FormatBedrag(u.exBtw), FormatBedrag(u.btw),
                             FormatBedrag(u.inclBtw), u.betreftNummer, StatusTekst(r, vandaag)};
    }
    return Regels(rijen);
}

QString Periode(const BtwAangifte& a)
{
    return a.kwartaal == 0 ? QString::number(a.jaar) : QStringLiteral("%1-K%2").arg(a.jaar).arg(a.kwartaal);
}

std::optional<std::pair<QString, QString>> SchrijfAangifte(const QString& programmaMap, const BtwAangifte& a,
                                                           const std::vector<Boekregel>& regels, QDate vandaag)
{
    const QString map = Map(programmaMap, Bestandsmap::BtwAangifte);
    QDir().mkpath(map);
    const QString cijfers = platform::Pad(map, QStringLiteral("Btw-aangifte ") + Periode(a) + QStringLiteral(".csv"));
    const QString lijst = platform::Pad(map, QStringLiteral("Facturen ") + Periode(a) + QStringLiteral(".csv"));
    if (!platform::SchrijfBestand(cijfers, AangifteCsv(a))
        || !platform::SchrijfBestand(lijst, DocumentenCsv(a, regels, vandaag)))
        return std::nullopt;
    return std::pair{cijfers, lijst};
}
