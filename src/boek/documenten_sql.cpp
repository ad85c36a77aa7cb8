#include "boek/documenten_sql.h"

using platform::Bedrag;

namespace {

qint64 Centen(Bedrag b)
{
    return b.OpCenten().Eenheden() / 1'000'000;
}

std::optional<QDate> Dag(const QVariant& v)
{
    return v.isNull() ? std::nullopt : std::optional<QDate>(QDate::fromJulianDay(v.toLongLong()));
}

}  // namespace

const QString kKolommen = QStringLiteral(
    "nummer, datum_tekst, datum, vervaldatum, klant, btw_nummer, land, email, btw_procent, btw_geval, ex_btw, btw,"
    " incl_btw, betreft_nummer, betreft_datum, betaald, pdf, efactuur, naam, gemaakt");

Boekregel RegelUit(const QSqlQuery& q)
{
    Boekregel r;
    Uitgifte& u = r.uitgifte;
    u.nummer = q.value(0).toString();
    u.datumTekst = q.value(1).toString();
    u.datum = QDate::fromJulianDay(q.value(2).toLongLong());
    u.vervaldatum = QDate::fromJulianDay(q.value(3).toLongLong());
    u.klant = q.value(4).toString();
    u.btwNummer = q.value(5).toString();
    u.land = q.value(6).toString();
    u.email = q.value(7).toString();
    u.btwProcent = q.value(8).toInt();
    u.nultarief = NulTariefVan(q.value(9).toString()).value_or(NulTarief::NulProcent);
    u.exBtw = Bedrag::UitCenten(q.value(10).toLongLong());
    u.btw = Bedrag::UitCenten(q.value(11).toLongLong());
    u.inclBtw = Bedrag::UitCenten(q.value(12).toLongLong());
    u.betreftNummer = q.value(13).toString();
    u.betreftDatum = q.value(14).toString();
    r.betaald = Dag(q.value(15));
    r.pdf = q.value(16).toString();
    r.efactuur = q.value(17).toString();
    r.naam = q.value(18).toString();
    r.gemaakt = q.value(19).toString().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return r;
}

QString NietNull(const QString& tekst)
{
    return tekst.isNull() ? QStringLiteral("") : tekst;
}

void BindUitgifte(QSqlQuery& q, const Uitgifte& u)
{
    q.bindValue(QStringLiteral(":nummer"), NietNull(u.nummer));
    q.bindValue(QStringLiteral(":datum_tekst"), NietNull(u.datumTekst));
    q.bindValue(QStringLiteral(":datum"), u.datum.toJulianDay());
    q.bindValue(QStringLiteral(":vervaldatum"), u.vervaldatum.toJulianDay());
    q.bindValue(QStringLiteral(":klant"), NietNull(u.klant));
    q.bindValue(QStringLiteral(":adres"), NietNull(u.adres));
    q.bindValue(QStringLiteral(":btw_nummer"), NietNull(u.btwNummer));
    q.bindValue(QStringLiteral(":land"), NietNull(u.land));
    q.bindValue(QStringLiteral(":email"), NietNull(u.email));
    q.bindValue(QStringLiteral(":btw_procent"), u.btwProcent);
    q.bindValue(QStringLiteral(":btw_geval"), Categorie(u.nultarief));
    q.bindValue(QStringLiteral(":ex_btw"), Centen(u.exBtw));
    q.bindValue(QStringLiteral(":btw"), Centen(u.btw));
    q.bindValue(QStringLiteral(":incl_btw"), Centen(u.inclBtw));
    q.bindValue(QStringLiteral(":betreft_nummer"), NietNull(u.betreftNummer));
    q.bindValue(QStringLiteral(":betreft_datum"), NietNull(u.betreftDatum));
    q.bindValue(QStringLiteral(":uitgegeven_op"), u.moment.toUTC().toString(Qt::ISODate));
}

const QString kNieuweRegel = QStringLiteral(
    "INSERT INTO documenten (nummer, naam, datum_tekst, datum, vervaldatum, klant, adres, btw_nummer, land, email,"
    " btw_procent, btw_geval, ex_btw, btw, incl_btw, betreft_nummer, betreft_datum, uitgegeven_op, pdf,"
    " efactuur, gemaakt, betaald) VALUES (:nummer, :naam, :datum_tekst, :datum, :vervaldatum, :klant, :adres, :btw_nummer,"
    " :land, :email, :btw_procent, :btw_geval, :ex_btw, :btw, :incl_btw, :betreft_nummer, :betreft_datum,"
    " :uitgegeven_op, :pdf, :efactuur, :gemaakt, :betaald)");

const QString kVervangenRegel = QStringLiteral(
    "UPDATE documenten SET datum_tekst = :datum_tekst, datum = :datum, vervaldatum = :vervaldatum, klant = :klant,"
    " adres = :adres, btw_nummer = :btw_nummer, land = :land, email = :email, btw_procent = :btw_procent,"
    " btw_geval = :btw_geval, ex_btw = :ex_btw, btw = :btw, incl_btw = :incl_btw, betreft_nummer = :betreft_nummer,"
    " betreft_datum = :betreft_datum, uitgegeven_op = :uitgegeven_op, pdf = :pdf,"
    " efactuur = :efactuur, gemaakt = :gemaakt WHERE nummer = :nummer");

bool SchrijfBlad(QSqlDatabase& db, const QString& nummer, const QByteArray& blad)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO bladen (id, blad) SELECT id, :blad FROM documenten"
                             " WHERE nummer = :nummer"));
    q.bindValue(QStringLiteral(":blad"), blad);
    q.bindValue(QStringLiteral(":nummer"), nummer);
    return q.exec() && q.numRowsAffected() == 1;
}
