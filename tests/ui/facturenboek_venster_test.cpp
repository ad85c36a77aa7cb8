// The "Facturenboek" window over a real book: rows newest first, the overdue
// one standing out, filters with their totals, and "Betaald" with its undo
// reaching the book.
#include "boek/facturenboek.h"
#include "ui/dialogs/boek_model.h"
#include "ui/dialogs/facturenboek_venster.h"

#include "boek/boek_fixture.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include <gtest/gtest.h>

namespace {

const QDate kVandaag(2027, 1, 14);

QStringList Kolom(const FacturenboekVenster& v, int kolom)
{
    QStringList teksten;
    for (int rij = 0; rij < v.Model()->rowCount(); ++rij)
        teksten << v.Model()->index(rij, kolom).data().toString();
    return teksten;
}

TEST(FacturenboekVenster, ShowsFiltersAndMarksPaidThroughTheBook)
{
    TempProgramFolder map;
    Facturenboek boek(map.path());
    ASSERT_TRUE(boek.Open());
    ASSERT_TRUE(boek.Uitgeven(TestUitgifte(TestFactuur("2026-001", "01-10-2026", {"100"})), {}));
    ASSERT_TRUE(boek.Uitgeven(TestUitgifte(TestFactuur("2026-002", "20-12-2026", {"50"})), {}));
    ASSERT_TRUE(boek.Uitgeven(TestUitgifte(TestFactuur("2025-009", "01-03-2025", {"10"})), {}));
    Factuur f;
    ZetStandaardwaarden(f);
    ScriptedPrompts prompts;
    FacturenboekVenster v(boek, f, prompts, kVandaag);

    EXPECT_EQ(Kolom(v, BoekModel::Nummer), (QStringList{"2026-002", "2026-001", "2025-009"}));
    EXPECT_EQ(Kolom(v, BoekModel::Status), (QStringList{"Open", "Te laat (75 dagen)", "Te laat (654 dagen)"}));
    EXPECT_EQ(v.Model()->index(1, BoekModel::Klant).data(Qt::ForegroundRole).value<QColor>(), QColor(170, 0, 0));
    EXPECT_FALSE(v.Model()->index(0, BoekModel::Klant).data(Qt::ForegroundRole).isValid());
    EXPECT_EQ(v.TotaalLabel->text(), "3 getoond      Excl. btw 160,00      Btw 33,60      Incl. btw 193,60");

    v.JaarKeuze->setCurrentText("2026");
    v.StatusKeuze->setCurrentText("Te laat");
    EXPECT_EQ(Kolom(v, BoekModel::Nummer), QStringList{"2026-001"});
    v.StatusKeuze->setCurrentText("Alle");
    v.Zoeken->setText("002");
    EXPECT_EQ(Kolom(v, BoekModel::Nummer), QStringList{"2026-002"});
    EXPECT_EQ(v.TotaalLabel->text(), "1 getoond      Excl. btw 50,00      Btw 10,50      Incl. btw 60,50");

    v.Lijst->selectRow(0);
    prompts.invoer = {QString("12-01-2027")};
    v.BetaaldKnop->click();
    EXPECT_EQ(boek.Regel("2026-002")->betaald, QDate(2027, 1, 12));
    EXPECT_EQ(Kolom(v, BoekModel::Status), QStringList{"Betaald 12-01-2027"});
    prompts.antwoorden = {true};
    v.BetaaldKnop->click();   // on a paid one: undone
    EXPECT_FALSE(boek.Regel("2026-002")->betaald);

    prompts.invoer = {QString("31-02-2027")};
    v.BetaaldKnop->click();
    EXPECT_FALSE(boek.Regel("2026-002")->betaald);
    EXPECT_TRUE(prompts.gevraagd.back().tekst.startsWith("'31-02-2027' is geen datum"));

    // No mail program to hand the message to: said in Dutch, nothing else happens.
    const QByteArray pad = qgetenv("PATH");
    qputenv("PATH", map.path().toLocal8Bit());
    v.MailenKnop->click();
    qputenv("PATH", pad);
    EXPECT_TRUE(prompts.gevraagd.back().tekst.startsWith("Er is geen e-mailprogramma"))
        << prompts.gevraagd.back().tekst.toStdString();
}

}  // namespace
