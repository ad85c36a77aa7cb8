#include "boek/facturenboek.h"

#include "boek/documenten_sql.h"
#include "boek/schema.h"
#include "invoice/mappen.h"
#include "platform/files.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

namespace {

constexpr char kSnapshotExtensie[] = ".uitgifte";
constexpr char kBetaaldExtensie[] = ".betaald";
// The facts and the page of one invoice come to a few kilobytes.
constexpr qint64 kGrootsteSnapshot = 1024 * 1024;
constexpr qsizetype kLangsteNaam = 150;
// SQLite's own codes for a file that is not a database and for a damaged one.
const QString kGeenDatabase = QStringLiteral("26");
const QString kBeschadigd = QStringLiteral("11");

QString Tijdstempel()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
}

int teller = 0;

}  // namespace

Facturenboek::Facturenboek(QString programmaMap)
    : programmaMap_(std::move(programmaMap)), verbinding_(QStringLiteral("facturenboek-%1").arg(++teller))
{
}

Facturenboek::~Facturenboek()
{
    QSqlDatabase::database(verbinding_, false).close();
    QSqlDatabase::removeDatabase(verbinding_);
}

// Found (or made) once per change rather than once per file: each look is a
// listing of the program folder.
void Facturenboek::ZoekSnapshotMap()
{
    snapshotMap_ = UitgegevenMap(programmaMap_);
    QDir().mkpath(snapshotMap_);
}

QString Facturenboek::KopiePad(const QString& naam, const QString& extensie) const
{
    return platform::Pad(snapshotMap_, naam + extensie);
}

bool Facturenboek::Fout(const QString& wat)
{
    melding_ = wat;
    return false;
}

bool Facturenboek::Open()
{
    melding_.clear();
    open_ = false;
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return Fout(QStringLiteral("Het Facturenboek kan niet worden geopend: het onderdeel voor SQLite ontbreekt "
                                   "(libqt6sql6-sqlite)."));
    if (!OpenDatabase())
        return false;
    open_ = true;
    ZoekSnapshotMap();
    NeemSnapshotsOp();
    regels_ = LeesRegels();
    return true;
}

void Facturenboek::Bijwerken(const QString& nummer, bool opZijnPlaats)
{
    const auto regel = Regel(nummer);
    auto it = std::find_if(regels_.begin(), regels_.end(),
                           [&nummer](const Boekregel& r) { return r.uitgifte.nummer == nummer; });
    if (it != regels_.end() && regel && opZijnPlaats) {
        *it = *regel;
        return;
    }
    if (it != regels_.end())
        regels_.erase(it);
    if (!regel)
        return;
    // Newest first: before the first of the same day or older, as the last one issued.
    it = std::find_if(regels_.begin(), regels_.end(),
                      [&regel](const Boekregel& r) { return r.uitgifte.datum <= regel->uitgifte.datum; });
    regels_.insert(it, *regel);
}

bool Facturenboek::OpenDatabase()
{
    QSqlDatabase db = QSqlDatabase::contains(verbinding_) ? QSqlDatabase::database(verbinding_, false)
                                                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                                                      verbinding_);
    db.close();
    db.setDatabaseName(platform::Pad(programmaMap_, QString::fromLatin1(kBestand)));
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (platform::GeenGewoonBestand(db.databaseName()) || !db.open())
        return Fout(QStringLiteral("Het Facturenboek kan niet worden geopend: ") + db.lastError().text());
    QSqlQuery controle(db);
    const bool leesbaar = controle.exec(QStringLiteral("PRAGMA quick_check")) && controle.next();
    const QString code = controle.lastError().nativeErrorCode();
    if (code == kGeenDatabase || code == kBeschadigd || (leesbaar && controle.value(0).toString() != "ok"))
        return ZetApart();
    if (!leesbaar)
        return Fout(QStringLiteral("Het Facturenboek kan niet worden gelezen: ") + controle.lastError().text());
    controle.finish();
    QString fout;
    if (!MigreerSchema(db, fout))
        return Fout(QStringLiteral("Het Facturenboek kan niet worden bijgewerkt: ") + fout);
    return true;
}

// A damaged database is kept under another name, with its journal, for
// whoever wants to look into it; a new one is made from the snapshots.
bool Facturenboek::ZetApart()
{
    QSqlDatabase db = QSqlDatabase::database(verbinding_, false);
    const QString pad = db.databaseName();
    db.close();
    const QString apart = QStringLiteral("Facturenboek-beschadigd-") + Tijdstempel() + QStringLiteral(".db");
    if (!QFile::rename(pad, platform::Pad(programmaMap_, apart)))
        return Fout(QStringLiteral("Het Facturenboek is beschadigd en kan niet opzij worden gezet. Het is niet "
                                   "veranderd; de uitgegeven facturen staan in de map Facturen/Uitgegeven."));
    for (const char* staart : {"-journal", "-wal"})
        if (QFile::exists(pad + QLatin1String(staart)))
            QFile::rename(pad + QLatin1String(staart), platform::Pad(programmaMap_, apart + QLatin1String(staart)));
    if (!OpenDatabase())
        return false;
    melding_ = QStringLiteral("Het Facturenboek was beschadigd. Het is bewaard als '") + apart
               + QStringLiteral("' en opnieuw opgebouwd uit de map Facturen/Uitgegeven.");
    return true;
}

// Snapshots the database lacks (a kill between the snapshot and the row, a
// book rebuilt) are taken in; rows whose snapshot is gone get it back.
void Facturenboek::NeemSnapshotsOp()
{
    QSqlDatabase db = QSqlDatabase::database(verbinding_, false);
    const QString map = SnapshotMap();
    const QString extensie = QString::fromLatin1(kSnapshotExtensie);
    QSet<QString> bestanden;
    // Unsorted: a folder of ten thousand snapshots is listed in a blink.
    for (QDirIterator it(map, {QLatin1Char('*') + extensie}, QDir::Files | QDir::Hidden); it.hasNext();)
        bestanden.insert(it.next().section(QLatin1Char('/'), -1).chopped(extensie.size()));

    QSet<QString> namen;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.exec(QStringLiteral("SELECT naam, nummer FROM documenten"));
    QList<std::pair<QString, QString>> zonderKopie;   // name, number
    while (q.next()) {
        namen.insert(q.value(0).toString());
        if (!bestanden.contains(q.value(0).toString()))
            zonderKopie.append({q.value(0).toString(), q.value(1).toString()});
    }
    for (const auto& [naam, nummer] : zonderKopie)
        if (const auto u = Document(nummer))
            platform::SchrijfBestand(KopiePad(naam, extensie), SnapshotBytes(*u));

    int onleesbaar = 0;
    db.transaction();
    for (const QString& naam : bestanden) {
        if (namen.contains(naam))
            continue;
        const auto bytes = platform::LeesBestand(KopiePad(naam, extensie), kGrootsteSnapshot);
        const auto u = bytes ? LeesSnapshot(*bytes) : std::nullopt;
        if (!u || IsUitgegeven(u->nummer)) {
            onleesbaar += u ? 0 : 1;
            continue;
        }
        QSqlQuery nieuw(db);
        nieuw.prepare(kNieuweRegel);
        BindUitgifte(nieuw, *u);
        nieuw.bindValue(QStringLiteral(":naam"), naam);
        const QString pdf = KopiePad(naam, QStringLiteral(".pdf"));
        const QString xml = KopiePad(naam, QStringLiteral(".xml"));
        nieuw.bindValue(QStringLiteral(":pdf"), NietNull(QFile::exists(pdf) ? pdf : QString()));
        nieuw.bindValue(QStringLiteral(":efactuur"), NietNull(QFile::exists(xml) ? xml : QString()));
        nieuw.bindValue(QStringLiteral(":gemaakt"), QStringLiteral(""));
        const auto betaald = platform::LeesBestand(KopiePad(naam, QString::fromLatin1(kBetaaldExtensie)), 64);
        const QDate op = betaald ? QDate::fromString(QString::fromLatin1(betaald->trimmed()), Qt::ISODate) : QDate();
        nieuw.bindValue(QStringLiteral(":betaald"), op.isValid() ? QVariant(op.toJulianDay()) : QVariant());
        if (nieuw.exec())
            SchrijfBlad(db, u->nummer, u->blad);
    }
    db.commit();
    if (onleesbaar > 0)
        melding_ += (melding_.isEmpty() ? QString() : QStringLiteral("\r\n"))
                    + QStringLiteral("%1 bestand(en) in de map Facturen/Uitgegeven konden niet worden gelezen; ze "
                                     "zijn niet veranderd.").arg(onleesbaar);
}

std::optional<Boekregel> Facturenboek::Regel(const QString& nummer) const
{
    if (!open_)
        return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(verbinding_, false));
    q.prepare(QStringLiteral("SELECT ") + kKolommen + QStringLiteral(" FROM documenten WHERE nummer = ?"));
    q.addBindValue(nummer);
    if (!q.exec() || !q.next())
        return std::nullopt;
    return RegelUit(q);
}

std::optional<Uitgifte> Facturenboek::Document(const QString& nummer) const
{
    auto regel = Regel(nummer);
    if (!regel)
        return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(verbinding_, false));
    q.prepare(QStringLiteral("SELECT b.blad, d.adres, d.uitgegeven_op FROM documenten d JOIN bladen b ON b.id = d.id"
                             " WHERE d.nummer = ?"));
    q.addBindValue(nummer);
    if (!q.exec() || !q.next())
        return std::nullopt;
    regel->uitgifte.blad = q.value(0).toByteArray();
    regel->uitgifte.adres = q.value(1).toString();
    regel->uitgifte.moment = QDateTime::fromString(q.value(2).toString(), Qt::ISODate);
    return regel->uitgifte;
}

std::vector<Boekregel> Facturenboek::LeesRegels() const
{
    std::vector<Boekregel> regels;
    QSqlQuery q(QSqlDatabase::database(verbinding_, false));
    q.setForwardOnly(true);
    if (!open_ || !q.exec(QStringLiteral("SELECT ") + kKolommen
                          + QStringLiteral(" FROM documenten ORDER BY datum DESC, uitgegeven_op DESC, id DESC")))
        return regels;
    while (q.next())
        regels.push_back(RegelUit(q));
    return regels;
}

QString Facturenboek::LaatsteNummer() const
{
    QSqlQuery q(QSqlDatabase::database(verbinding_, false));
    if (!open_ || !q.exec(QStringLiteral("SELECT nummer FROM documenten ORDER BY uitgegeven_op DESC, id DESC LIMIT 1"))
        || !q.next())
        return {};
    return q.value(0).toString();
}

bool Facturenboek::IsUitgegeven(const QString& nummer) const
{
    if (!open_)
        return false;
    QSqlQuery q(QSqlDatabase::database(verbinding_, false));
    q.prepare(QStringLiteral("SELECT 1 FROM documenten WHERE nummer = ?"));
    q.addBindValue(nummer.trimmed());
    return q.exec() && q.next();
}

// The number as a file name; another number that makes the same name, or a
// snapshot of another number already there, gets a counter after it.
QString Facturenboek::VrijeNaam(const QString& nummer) const
{
    const QString basis = platform::AlsBestandsnaam(nummer, kLangsteNaam);
    QSqlQuery q(QSqlDatabase::database(verbinding_, false));
    for (int n = 1;; ++n) {
        const QString naam = n == 1 ? basis : basis + QStringLiteral("_%1").arg(n);
        q.prepare(QStringLiteral("SELECT 1 FROM documenten WHERE naam = ?"));
        q.addBindValue(naam);
        if ((q.exec() && q.next()) || QFile::exists(KopiePad(naam, QString::fromLatin1(kSnapshotExtensie))))
            continue;
        return naam;
    }
}

bool Facturenboek::Uitgeven(const Uitgifte& u, const UitgifteBestanden& bestanden)
{
    const QString wie = (u.IsCreditnota() ? QStringLiteral("Creditnota ") : QStringLiteral("Factuur ")) + u.nummer;
    if (!open_)
        return Fout(wie + QStringLiteral(" is gemaakt, maar niet in het Facturenboek opgenomen.\r\n") + melding_);
    ZoekSnapshotMap();
    const auto bestaand = Document(u.nummer);
    const auto regel = bestaand ? Regel(u.nummer) : std::nullopt;
    const bool zelfde = bestaand && ZelfdeInhoud(*bestaand, u);
    const QString naam = regel ? regel->naam : VrijeNaam(u.nummer);
    const QString snapshot = KopiePad(naam, QString::fromLatin1(kSnapshotExtensie));

    QStringList nietBewaard;
    if (bestaand && !zelfde) {
        // A number is used once: the page it had stays, under another name.
        const QString apart = QLatin1Char('-') + Tijdstempel() + QStringLiteral(".vervangen");
        for (const QString& extensie : {QString::fromLatin1(kSnapshotExtensie), QStringLiteral(".pdf"),
                                        QStringLiteral(".xml")})
            if (QFile::exists(KopiePad(naam, extensie)))
                QFile::rename(KopiePad(naam, extensie), KopiePad(naam, extensie + apart));
    }
    if (!zelfde && !platform::SchrijfBestand(snapshot, SnapshotBytes(u)))
        nietBewaard << QStringLiteral("de kopie in de map Facturen/Uitgegeven");
    QString pdf = zelfde && regel ? regel->pdf : QString();
    if (!bestanden.pdf.isEmpty() && pdf.isEmpty()) {
        pdf = KopiePad(naam, QStringLiteral(".pdf"));
        if (!platform::SchrijfBestand(pdf, bestanden.pdf)) {
            nietBewaard << QStringLiteral("de PDF");
            pdf.clear();
        }
    }
    // A page that took the number's place has no e-invoice yet: the earlier one went aside with its page.
    const QString eerdereEfactuur = zelfde && regel ? regel->efactuur : QString();
    QString efactuur = eerdereEfactuur;
    if (!bestanden.ubl.isEmpty()) {
        efactuur = KopiePad(naam, QStringLiteral(".xml"));
        if (!platform::SchrijfBestand(efactuur, bestanden.ubl)) {
            nietBewaard << QStringLiteral("de e-factuur");
            efactuur = eerdereEfactuur;
        }
    }

    QSqlDatabase db = QSqlDatabase::database(verbinding_, false);
    QSqlQuery q(db);
    if (zelfde) {
        q.prepare(QStringLiteral("UPDATE documenten SET pdf = :pdf, efactuur = :efactuur, gemaakt = :gemaakt"
                                 " WHERE nummer = :nummer"));
        q.bindValue(QStringLiteral(":nummer"), u.nummer);
    } else {
        q.prepare(regel ? kVervangenRegel : kNieuweRegel);
        BindUitgifte(q, u);
        if (!regel) {
            q.bindValue(QStringLiteral(":naam"), naam);
            q.bindValue(QStringLiteral(":betaald"), QVariant());
        }
    }
    q.bindValue(QStringLiteral(":pdf"), NietNull(pdf));
    q.bindValue(QStringLiteral(":efactuur"), NietNull(efactuur));
    QStringList gemaakt = zelfde ? regel->gemaakt : QStringList();
    if (!bestanden.gemaakt.isEmpty() && !gemaakt.contains(bestanden.gemaakt))
        gemaakt << bestanden.gemaakt;
    q.bindValue(QStringLiteral(":gemaakt"), NietNull(gemaakt.join(QLatin1Char('\n'))));
    const bool opgenomen = db.transaction() && q.exec() && (zelfde || SchrijfBlad(db, u.nummer, u.blad)) && db.commit();
    if (!opgenomen) {
        const QString reden = q.lastError().isValid() ? q.lastError().text() : db.lastError().text();
        db.rollback();
        return Fout(wie + QStringLiteral(" is gemaakt, maar kon niet in het Facturenboek worden opgenomen: ") + reden
                    + (nietBewaard.isEmpty() ? QStringLiteral("\r\nDe kopie in de map Facturen/Uitgegeven is bewaard; "
                                                              "het boek neemt haar op zodra het weer kan.")
                                             : QString()));
    }
    Bijwerken(u.nummer, zelfde);
    if (!nietBewaard.isEmpty())
        return Fout(wie + QStringLiteral(" staat in het Facturenboek, maar ") + nietBewaard.join(QStringLiteral(", "))
                    + QStringLiteral(" kon niet worden bewaard (is de schijf vol of de map alleen-lezen?)."));
    melding_.clear();
    return true;
}

bool Facturenboek::ZetBetaald(const QString& nummer, std::optional<QDate> datum)
{
    const auto regel = Regel(nummer);
    if (!regel)
        return Fout(QStringLiteral("Het Facturenboek kan ") + nummer + QStringLiteral(" niet vinden."));
    ZoekSnapshotMap();
    const QString bestand = KopiePad(regel->naam, QString::fromLatin1(kBetaaldExtensie));
    const bool bewaard = datum ? platform::SchrijfBestand(bestand, datum->toString(Qt::ISODate).toLatin1())
                               : (!QFile::exists(bestand) || QFile::remove(bestand));
    QSqlDatabase db = QSqlDatabase::database(verbinding_, false);
    QSqlQuery q(db);
    q.prepare(QStringLiteral("UPDATE documenten SET betaald = ? WHERE nummer = ?"));
    q.addBindValue(datum ? QVariant(datum->toJulianDay()) : QVariant());
    q.addBindValue(nummer);
    const bool gelukt = bewaard && q.exec();
    Bijwerken(nummer, true);
    if (!gelukt)
        return Fout(QStringLiteral("De betaling van ") + nummer
                    + QStringLiteral(" kon niet worden bewaard (is de schijf vol of de map alleen-lezen?)."));
    return true;
}
