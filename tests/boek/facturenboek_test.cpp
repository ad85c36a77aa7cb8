// The book keeps every issue, survives what a desktop does to its files and
// can always be made whole again from the snapshots beside it.
#include "boek/blad.h"
#include "boek/facturenboek.h"
#include "boek/uitgeven.h"

#include "boek/boek_fixture.h"
#include "support/bedrag.h"
#include "support/kleine_schijf.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

#include <sys/mount.h>

namespace {

const QString kDb = QString::fromLatin1(Facturenboek::kBestand);

QStringList Nummers(const Facturenboek& boek)
{
    QStringList nummers;
    for (const Boekregel& r : boek.Regels())
        nummers << r.uitgifte.nummer;
    return nummers;
}

// Three issued invoices, one of them paid.
void VulBoek(const QString& map)
{
    Facturenboek boek(map);
    ASSERT_TRUE(boek.Open()) << boek.Melding().toStdString();
    ASSERT_TRUE(boek.Uitgeven(TestUitgifte(TestFactuur("2026-001", "01-10-2026", {"100"})), {"%PDF-1", {}, "Pdf/2026-001.pdf"})) << boek.Melding().toStdString();
    ASSERT_TRUE(boek.Uitgeven(TestUitgifte(TestFactuur("2026-002", "15-11-2026", {"50,50"})), {}));
    ASSERT_TRUE(boek.Uitgeven(TestUitgifte(TestFactuur("2026-003", "01-12-2026", {"10", "-2,50"}, 9)), {}));
    ASSERT_TRUE(boek.ZetBetaald("2026-002", QDate(2026, 12, 1)));
}

TEST(Facturenboek, KeepsEachIssueWithItsFactsAndItsSnapshot)
{
    TempProgramFolder map;
    VulBoek(map.path());
    Facturenboek boek(map.path());
    ASSERT_TRUE(boek.Open());
    EXPECT_EQ(Nummers(boek), (QStringList{"2026-003", "2026-002", "2026-001"}));  // newest first
    const auto regel = boek.Regel("2026-002");
    ASSERT_TRUE(regel);
    EXPECT_EQ(regel->uitgifte.klant, "Bakkerij De Korf");
    EXPECT_EQ(regel->uitgifte.exBtw, B("50.50"));
    EXPECT_EQ(regel->uitgifte.btw, B("10.61"));
    EXPECT_EQ(regel->uitgifte.inclBtw, B("61.11"));
    EXPECT_EQ(regel->uitgifte.vervaldatum, QDate(2026, 12, 15));
    EXPECT_EQ(regel->betaald, QDate(2026, 12, 1));
    EXPECT_TRUE(QFile::exists(boek.KopiePad(regel->naam, ".uitgifte")));
    EXPECT_EQ(boek.Regel("2026-001")->pdf, boek.KopiePad("2026-001", ".pdf"));
    EXPECT_EQ(boek.LaatsteNummer(), "2026-003");
}

TEST(Facturenboek, TheSameNumberAddsNothingForTheSamePageAndTakesTheNumbersPlaceForAnother)
{
    TempProgramFolder map;
    Facturenboek boek(map.path());
    ASSERT_TRUE(boek.Open());
    Factuur f = TestFactuur("17", "05-12-2026", {"12,50"});
    ASSERT_TRUE(boek.Uitgeven(TestUitgifte(f), {{}, {}, "Printer"}));
    // The printout stores its prices with points; the page is the same.
    f.Prijs[0] = "12.50";
    ASSERT_TRUE(boek.Uitgeven(TestUitgifte(f), {"%PDF-1", "<Invoice/>", "Efactuur/17.xml"}));
    ASSERT_EQ(boek.Regels().size(), 1u);
    EXPECT_FALSE(boek.Regel("17")->efactuur.isEmpty());
    EXPECT_EQ(boek.Regels()[0].gemaakt, (QStringList{"Printer", "Efactuur/17.xml"}));

    const Factuur ander = TestFactuur("17", "05-12-2026", {"13"});
    ASSERT_TRUE(boek.Uitgeven(TestUitgifte(ander), {{}, {}, "Pdf/17.pdf"}));
    ASSERT_EQ(boek.Regels().size(), 1u);
    EXPECT_EQ(boek.Regel("17")->uitgifte.exBtw, B("13"));
    EXPECT_EQ(boek.Regels()[0].gemaakt, QStringList{"Pdf/17.pdf"});
    EXPECT_TRUE(boek.Regel("17")->efactuur.isEmpty()) << "the earlier page's e-invoice went aside with it";
    const QStringList apart = QDir(boek.SnapshotMap()).entryList({"17.uitgifte-*.vervangen"});
    ASSERT_EQ(apart.size(), 1);
    QFile oud(boek.SnapshotMap() + "/" + apart[0]);
    ASSERT_TRUE(oud.open(QIODevice::ReadOnly));
    EXPECT_EQ(LeesSnapshot(oud.readAll())->exBtw, B("12.50"));
}

// What a crash, a user or a broken disk leaves; the book opens with every
// issue and payment there was.
struct Schade {
    const char* naam;
    std::function<void(const QString& map)> doe;
    bool meldt;
};

const Schade kSchades[] = {
    {"database removed", [](const QString& map) { QFile::remove(map + "/" + kDb); }, false},
    {"database overwritten", [](const QString& map) {
         QFile db(map + "/" + kDb);
         db.open(QIODevice::WriteOnly);
         db.write(QByteArray(8192, 'x'));
     }, true},
    {"database cut in half", [](const QString& map) {
         QFile db(map + "/" + kDb);
         db.open(QIODevice::ReadWrite);
         db.resize(db.size() / 2);
     }, true},
    {"row lost before its commit", [](const QString& map) {
         QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "schade");
         db.setDatabaseName(map + "/" + kDb);
         db.open();
         QSqlQuery(db).exec("DELETE FROM documenten WHERE nummer = '2026-002'");
         db.close();
     }, false},
    {"snapshots removed", [](const QString& map) {
         for (const char* n : {"2026-001", "2026-002", "2026-003"})
             QFile::remove(map + "/Facturen/Uitgegeven/" + QString::fromLatin1(n) + ".uitgifte");
     }, false},
};

TEST(Facturenboek, OpensWholeAfterDamage)
{
    for (const Schade& schade : kSchades) {
        SCOPED_TRACE(schade.naam);
        TempProgramFolder map;
        VulBoek(map.path());
        schade.doe(map.path());
        QSqlDatabase::removeDatabase("schade");
        {
            Facturenboek boek(map.path());
            ASSERT_TRUE(boek.Open()) << boek.Melding().toStdString();
            EXPECT_EQ(!boek.Melding().isEmpty(), schade.meldt) << boek.Melding().toStdString();
            EXPECT_EQ(Nummers(boek), (QStringList{"2026-003", "2026-002", "2026-001"}));
            EXPECT_EQ(boek.Regel("2026-002")->betaald, QDate(2026, 12, 1));
            EXPECT_EQ(boek.Regel("2026-003")->uitgifte.exBtw, B("7.50"));
        }
        // What was damaged is kept for whoever looks into it; the snapshots are back.
        EXPECT_EQ(QDir(map.path()).entryList({"Facturenboek-beschadigd-*.db"}).size(), schade.meldt ? 1 : 0);
        EXPECT_TRUE(QFile::exists(map.path() + "/Facturen/Uitgegeven/2026-001.uitgifte"));
    }
}

TEST(Facturenboek, ABookOfANewerProgramIsLeftAlone)
{
    TempProgramFolder map;
    VulBoek(map.path());
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "nieuwer");
        db.setDatabaseName(map.file(kDb));
        db.open();
        QSqlQuery(db).exec("PRAGMA user_version = 99");
        db.close();
    }
    QSqlDatabase::removeDatabase("nieuwer");
    const QByteArray voor = map.read(kDb);
    Facturenboek boek(map.path());
    EXPECT_FALSE(boek.Open());
    EXPECT_TRUE(boek.Melding().contains("nieuwere versie")) << boek.Melding().toStdString();
    EXPECT_FALSE(boek.Uitgeven(TestUitgifte(TestFactuur("2026-004", "02-12-2026", {"1"})), {}));
    EXPECT_EQ(map.read(kDb), voor);
}

// A full disk and a read-only folder: the issue is refused with a message,
// nothing recorded before goes, and with room again the book goes on.
TEST(Facturenboek, AFullOrReadOnlyDiskLosesNothingAndSaysSo)
{
    for (const bool alleenLezen : {false, true}) {
        SCOPED_TRACE(alleenLezen ? "read-only" : "full");
        KleineSchijf schijf;
        if (!schijf.Gemount()) {
            GTEST_SKIP() << "needs root to mount a small disk";
        }
        VulBoek(schijf.path());
        // A folder is read-only before the program starts: nothing can be remounted under an open file.
        if (alleenLezen) {
            ASSERT_EQ(::mount("tmpfs", QFile::encodeName(schijf.path()).constData(), "tmpfs",
                              MS_REMOUNT | MS_RDONLY, nullptr), 0);
        }
        Facturenboek boek(schijf.path());
        ASSERT_TRUE(boek.Open()) << boek.Melding().toStdString();
        if (!alleenLezen)
            schijf.Vul();
        const Uitgifte nieuw = TestUitgifte(TestFactuur("2026-004", "02-12-2026", {"1"}));
        EXPECT_FALSE(boek.Uitgeven(nieuw, {QByteArray(200 * 1024, 'p'), {}, "Printer"}));
        EXPECT_TRUE(boek.Melding().startsWith("Factuur 2026-004 ")) << boek.Melding().toStdString();
        EXPECT_FALSE(boek.ZetBetaald("2026-001", QDate(2026, 12, 2)));
        if (alleenLezen)
            ::mount("tmpfs", QFile::encodeName(schijf.path()).constData(), "tmpfs", MS_REMOUNT, nullptr);
        else
            schijf.MaakRuimte();
        Facturenboek daarna(schijf.path());
        ASSERT_TRUE(daarna.Open()) << daarna.Melding().toStdString();
        EXPECT_EQ(daarna.Regel("2026-002")->betaald, QDate(2026, 12, 1));
        EXPECT_FALSE(daarna.Regel("2026-001")->betaald);
        EXPECT_TRUE(daarna.Uitgeven(nieuw, {}));
        EXPECT_EQ(daarna.Regels().size(), 4u);
    }
}

TEST(Facturenboek, PageRecordGivesBackTheInvoiceAsIssued)
{
    Factuur f = TestFactuur("F0099", "05-12-2026", {"12.5", "1.234,50"});
    f.LayoutNr = 1;
    f.KopTekst[3] = "Bedrag";
    f.BtwProcent = 0;
    f.Nultarief = NulTarief::Vrijgesteld;
    f.RedenVrijstelling = "KOR";
    f.BetreftNummer = "2026-117";
    f.BetreftDatum = "05-12-2026";
    f.Bedrijf.Iban = "NL91ABNA0417164300";
    f.FactuurDatum.reset();
    const QByteArray blad = BladBytes(f);
    Factuur terug;
    ZetStandaardwaarden(terug);
    ASSERT_TRUE(LeesBlad(terug, blad));
    EXPECT_EQ(BladBytes(terug), blad);
    EXPECT_FALSE(terug.FactuurDatum);
    EXPECT_EQ(terug.Prijs[0], "12,5");

    // Cut anywhere, the page changes nothing.
    for (qsizetype lengte : {qsizetype(0), blad.size() / 3, blad.size() - 3}) {
        Factuur ongewijzigd = terug;
        EXPECT_FALSE(LeesBlad(ongewijzigd, blad.left(lengte))) << lengte;
        EXPECT_EQ(BladBytes(ongewijzigd), blad);
    }
}

}  // namespace

namespace {

// Around the output: a number used before with another page is asked about
// first; a book that cannot be used never stops the output and is told after.
TEST(Uitgeven, AsksAboutANumberUsedForAnotherPageAndTellsWhatCouldNotBeKept)
{
    TempProgramFolder map;
    Facturenboek boek(map.path());
    ScriptedPrompts prompts;
    const Uitgifte eerste = TestUitgifte(TestFactuur("17", "05-12-2026", {"12,50"}));
    ASSERT_TRUE(MagUitgeven(boek, eerste, prompts));
    LegUitgifteVast(boek, eerste, {}, prompts);
    ASSERT_TRUE(MagUitgeven(boek, eerste, prompts));   // a reprint
    EXPECT_TRUE(prompts.gevraagd.empty());

    const Uitgifte ander = TestUitgifte(TestFactuur("17", "05-12-2026", {"13"}));
    prompts.antwoorden = {false};
    EXPECT_FALSE(MagUitgeven(boek, ander, prompts));
    ASSERT_EQ(prompts.gevraagd.size(), 1u);
    EXPECT_EQ(prompts.gevraagd[0].titel, " Facturenboek");
    EXPECT_TRUE(prompts.gevraagd[0].tekst.startsWith("Factuur 17 is al uitgegeven met een ander bedrag...\r\n"))
        << prompts.gevraagd[0].tekst.toStdString();
    EXPECT_TRUE(prompts.gevraagd[0].tekst.contains("het volgende vrije nummer is 18."));

    TempProgramFolder kapot;
    QDir(kapot.path()).mkdir(kDb);   // a folder where the book should be: it is not opened through
    Facturenboek onbruikbaar(kapot.path());
    ScriptedPrompts gemeld;
    EXPECT_TRUE(MagUitgeven(onbruikbaar, eerste, gemeld));
    LegUitgifteVast(onbruikbaar, eerste, {}, gemeld);
    ASSERT_EQ(gemeld.gevraagd.size(), 1u);
    EXPECT_EQ(gemeld.gevraagd[0].soort, "Melding");
    EXPECT_TRUE(gemeld.gevraagd[0].tekst.startsWith("Factuur 17 ")) << gemeld.gevraagd[0].tekst.toStdString();
}

}  // namespace
