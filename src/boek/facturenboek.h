#pragma once

#include "boek/uitgifte.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// One document in the book: the facts of its issue (the page left out) and
// what happened to it since.
struct Boekregel {
    Uitgifte uitgifte;
    std::optional<QDate> betaald;
    QString pdf;        // the PDF as issued, kept beside the snapshot
    QString efactuur;   // the e-invoice as sent, when one was
    QString naam;       // the snapshot's file name without extension
    QStringList gemaakt;  // what each issue made: "Printer" or the file written
};

// The files an issue made, kept beside its snapshot in "Facturen/Uitgegeven".
struct UitgifteBestanden {
    QByteArray pdf;     // the page as a PDF; empty when it is kept already
    QByteArray ubl;     // the e-invoice; empty when none was made
    QString gemaakt;    // "Printer", or the file the user asked for
};

// The Facturenboek: "Facturenboek.db" (SQLite) beside the program, and per
// issued document a snapshot file "<nummer>.uitgifte" with its PDF (and its
// e-invoice) in "Facturen/Uitgegeven", so the database is never the only
// copy. A payment is a file "<nummer>.betaald" there too. A database that is
// missing, damaged or behind the snapshots is made whole from these files
// when the book opens; a damaged one is kept aside, never removed.
class Facturenboek {
public:
    static constexpr char kBestand[] = "Facturenboek.db";

    explicit Facturenboek(QString programmaMap);
    ~Facturenboek();
    Facturenboek(const Facturenboek&) = delete;
    Facturenboek& operator=(const Facturenboek&) = delete;

    // Opens (or makes) the database and takes in the snapshots it lacks.
    // False when the book cannot be used; Melding() then says why, in Dutch.
    // Melding() may also hold news when it opened (a damaged book set aside).
    bool Open();
    bool IsOpen() const { return open_; }
    const QString& Melding() const { return melding_; }

    // "Facturen/Uitgegeven", where the snapshots are kept.
    const QString& SnapshotMap() const { return snapshotMap_; }

    // What the book holds under that number, with its page.
    std::optional<Uitgifte> Document(const QString& nummer) const;
    std::optional<Boekregel> Regel(const QString& nummer) const;
    // Every document, newest first (by date, then by the moment of issue): read once when the book opens and kept
    // up to date by every change, so a window of thousands opens at once.
    const std::vector<Boekregel>& Regels() const { return regels_; }
    // The number of the document issued last; empty when none.
    QString LaatsteNummer() const;
    bool IsUitgegeven(const QString& nummer) const;

    // Records an issue in one transaction, after its snapshot files are
    // written. An issue of a number already held with the same page adds
    // only the files it made; with another page it takes the number's
    // place, the earlier snapshot kept aside. False when anything of it
    // could not be kept; Melding() says what, in Dutch.
    bool Uitgeven(const Uitgifte& u, const UitgifteBestanden& bestanden);

    // Marks a document paid on a date, or open again (nothing).
    bool ZetBetaald(const QString& nummer, std::optional<QDate> datum);

    // The full path of a file kept beside the snapshot ("<naam>.pdf").
    QString KopiePad(const QString& naam, const QString& extensie) const;

private:
    void ZoekSnapshotMap();
    bool OpenDatabase();
    bool ZetApart();
    bool Migreer();
    void NeemSnapshotsOp();
    bool Fout(const QString& wat);
    QString VrijeNaam(const QString& nummer) const;
    std::vector<Boekregel> LeesRegels() const;
    // The kept row of that number as the database now holds it; in its
    // place, or (a new issue) first of its day.
    void Bijwerken(const QString& nummer, bool opZijnPlaats);

    QString programmaMap_;
    QString verbinding_;
    QString snapshotMap_;   // "Facturen/Uitgegeven" as found when the book last changed
    QString melding_;
    bool open_ = false;
    std::vector<Boekregel> regels_;
};
