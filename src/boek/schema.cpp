#include "boek/schema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <array>
#include <span>

namespace {

// Step n takes a database of version n to version n + 1. A released step
// never changes: a new need is a new step.
const std::array<std::span<const char* const>, 1>& Stappen()
{
    static const char* const versie1[] = {
        "CREATE TABLE documenten ("
        " id INTEGER PRIMARY KEY,"
        " nummer TEXT NOT NULL UNIQUE,"
        " naam TEXT NOT NULL UNIQUE,"          // the snapshot's file name
        " datum_tekst TEXT NOT NULL,"
        " datum INTEGER NOT NULL,"             // Julian day numbers: read fast, sort right
        " vervaldatum INTEGER NOT NULL,"
        " klant TEXT NOT NULL, adres TEXT NOT NULL, btw_nummer TEXT NOT NULL,"
        " land TEXT NOT NULL, email TEXT NOT NULL,"
        " btw_procent INTEGER NOT NULL, btw_geval TEXT NOT NULL,"
        " ex_btw INTEGER NOT NULL, btw INTEGER NOT NULL, incl_btw INTEGER NOT NULL,"   // cents
        " betreft_nummer TEXT NOT NULL, betreft_datum TEXT NOT NULL,"
        " uitgegeven_op TEXT NOT NULL,"
        " pdf TEXT NOT NULL DEFAULT '', efactuur TEXT NOT NULL DEFAULT '',"
        " gemaakt TEXT NOT NULL DEFAULT '',"   // the outputs made, one a line
        " betaald INTEGER)",
        "CREATE INDEX documenten_datum ON documenten (datum)",
        // The pages apart: the list reads small rows only.
        "CREATE TABLE bladen (id INTEGER PRIMARY KEY REFERENCES documenten (id), blad BLOB NOT NULL)",
    };
    static const std::array<std::span<const char* const>, 1> stappen{versie1};
    return stappen;
}

int HuidigeVersie(QSqlDatabase& db)
{
    QSqlQuery q(db);
    return q.exec(QStringLiteral("PRAGMA user_version")) && q.next() ? q.value(0).toInt() : -1;
}

}  // namespace

int SchemaVersie()
{
    return int(Stappen().size());
}

bool MigreerSchema(QSqlDatabase& db, QString& fout)
{
    const int versie = HuidigeVersie(db);
    if (versie < 0) {
        fout = db.lastError().text();
        return false;
    }
    if (versie > SchemaVersie()) {
        fout = QStringLiteral("het is gemaakt door een nieuwere versie van Quillet");
        return false;
    }
    for (int stap = versie; stap < SchemaVersie(); ++stap) {
        if (!db.transaction()) {
            fout = db.lastError().text();
            return false;
        }
        QSqlQuery q(db);
        bool gelukt = true;
        for (const char* opdracht : Stappen()[stap])
            gelukt = gelukt && q.exec(QString::fromLatin1(opdracht));
        gelukt = gelukt && q.exec(QStringLiteral("PRAGMA user_version = %1").arg(stap + 1));
        if (!gelukt || !db.commit()) {
            fout = q.lastError().isValid() ? q.lastError().text() : db.lastError().text();
            db.rollback();
            return false;
        }
    }
    return true;
}
