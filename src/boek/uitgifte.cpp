#include "boek/uitgifte.h"

#include "boek/blad.h"
#include "invoice/klantgegevens.h"
#include "platform/records.h"

using platform::Bedrag;
using platform::RecordReader;
using platform::RecordWriter;

namespace {

constexpr char kSnapshotKop[] = "Quillet uitgegeven";
constexpr int kSnapshotVersie = 1;

QString CentenTekst(Bedrag b)
{
    return QString::number(b.OpCenten().Eenheden() / 1'000'000);
}

std::optional<Bedrag> LeesCenten(RecordReader& r)
{
    const auto tekst = r.LeesTekst();
    bool ok = false;
    const qint64 centen = tekst ? tekst->toLongLong(&ok) : 0;
    if (!ok || centen > Bedrag::kGrootste / 1'000'000 || centen < -Bedrag::kGrootste / 1'000'000)
        return std::nullopt;
    return Bedrag::UitCenten(centen);
}

}  // namespace

QString DatumTekst(QDate datum)
{
    return datum.toString(QStringLiteral("dd-MM-yyyy"));
}

QDate DatumUitTekst(const QString& tekst)
{
    return QDate::fromString(tekst.trimmed(), QStringLiteral("dd-MM-yyyy"));
}

Uitgifte UitgifteVan(const Factuur& f, const Klantgegevens& klant, const QDateTime& moment)
{
    Uitgifte u;
    // as the snapshot's records hold it: a double quote would end the text
    u.nummer = f.FactuurNummer.trimmed().replace(QLatin1Char('"'), QLatin1Char('\''));
    u.datumTekst = f.FactuurDatum.value_or(QString());
    const QDate opDePagina = DatumUitTekst(u.datumTekst);
    u.datum = opDePagina.isValid() ? opDePagina : moment.date();
    u.vervaldatum = u.datum.addDays(f.Bedrijf.Betaaltermijn);
    u.klant = klant.Naam.trimmed().isEmpty() ? KlantSleutel(f.AdresTekst) : klant.Naam.trimmed();
    u.adres = f.AdresTekst;
    u.btwNummer = klant.BtwNummer;
    u.land = klant.Land;
    u.email = klant.Email;
    u.btwProcent = f.BtwProcent;
    u.nultarief = f.Nultarief;
    u.exBtw = f.TotaalExBtw.OpCenten();
    u.btw = f.TotaalBtw.OpCenten();
    u.inclBtw = f.TotaalInclBtw.OpCenten();
    u.betreftNummer = f.BetreftNummer;
    u.betreftDatum = f.BetreftDatum;
    u.moment = moment;
    u.blad = BladBytes(f);
    return u;
}

bool ZelfdeInhoud(const Uitgifte& a, const Uitgifte& b)
{
    return a.blad == b.blad;
}

QByteArray SnapshotBytes(const Uitgifte& u)
{
    RecordWriter w;
    w.Schrijf({QString::fromLatin1(kSnapshotKop), double(kSnapshotVersie)});
    w.Schrijf({u.nummer, u.datumTekst, u.datum.toString(Qt::ISODate), u.vervaldatum.toString(Qt::ISODate)});
    w.Schrijf({u.klant, u.btwNummer, u.land, u.email});
    w.Schrijf({u.adres});
    w.Schrijf({double(u.btwProcent), Categorie(u.nultarief)});
    w.Schrijf({CentenTekst(u.exBtw), CentenTekst(u.btw), CentenTekst(u.inclBtw)});
    w.Schrijf({u.betreftNummer, u.betreftDatum, u.moment.toUTC().toString(Qt::ISODate)});
    return w.Bytes() + u.blad;
}

std::optional<Uitgifte> LeesSnapshot(const QByteArray& bytes)
{
    RecordReader r(bytes);
    if (r.LeesTekst() != QString::fromLatin1(kSnapshotKop)
        || r.LeesGeheel(kSnapshotVersie, kSnapshotVersie) != kSnapshotVersie)
        return std::nullopt;
    Uitgifte u;
    QString datum, verval, categorie, moment;
    for (QString* tekst : {&u.nummer, &u.datumTekst, &datum, &verval, &u.klant, &u.btwNummer, &u.land, &u.email,
                           &u.adres})
        if (!r.LeesTekstIn(*tekst))
            return std::nullopt;
    const auto procent = r.LeesGeheel(0, 100);
    if (!procent || !r.LeesTekstIn(categorie))
        return std::nullopt;
    const auto ex = LeesCenten(r);
    const auto btw = LeesCenten(r);
    const auto incl = LeesCenten(r);
    if (!ex || !btw || !incl)
        return std::nullopt;
    for (QString* tekst : {&u.betreftNummer, &u.betreftDatum, &moment})
        if (!r.LeesTekstIn(*tekst))
            return std::nullopt;
    const auto geval = NulTariefVan(categorie);
    u.datum = QDate::fromString(datum, Qt::ISODate);
    u.vervaldatum = QDate::fromString(verval, Qt::ISODate);
    u.moment = QDateTime::fromString(moment, Qt::ISODate);
    u.blad = r.Rest();
    Factuur controle;
    if (!geval || !u.datum.isValid() || !u.vervaldatum.isValid() || !u.moment.isValid() || u.nummer.isEmpty()
        || !LeesBlad(controle, u.blad))
        return std::nullopt;
    u.btwProcent = *procent;
    u.nultarief = *geval;
    u.exBtw = *ex;
    u.btw = *btw;
    u.inclBtw = *incl;
    return u;
}
