#include "invoice/wettelijke_regels.h"

#include <gtest/gtest.h>

TEST(WettelijkeRegels, TheSellersLineWhenAskedForAndSomethingToSay)
{
    struct {
        bool gevraagd;
        const char* kvk;
        const char* btw;
        bool betaalQr;
        const char* regel;   // nullptr: none
    } gevallen[] = {
        {false, "12345678", "NL123456789B01", false, nullptr},
        {true, "", "", false, nullptr},
        {true, "12345678", "NL123456789B01", true, "KvK 12345678 \u00b7 Btw NL123456789B01"},
        {true, " 12345678 ", "", true, "KvK 12345678"},
        // Without the payment code the line says where to pay.
        {true, "", "NL123456789B01", false, "Btw NL123456789B01 \u00b7 IBAN NL91ABNA0417164300"},
    };
    for (const auto& g : gevallen) {
        Bedrijfsgegevens b;
        b.VerkopersRegel = g.gevraagd;
        b.KvkNummer = QString::fromUtf8(g.kvk);
        b.BtwNummer = QString::fromUtf8(g.btw);
        b.Iban = QStringLiteral("NL91ABNA0417164300");
        b.BetaalQr = g.betaalQr;
        const auto regel = VerkopersRegel(b);
        EXPECT_EQ(regel.has_value(), g.regel != nullptr) << g.kvk << g.btw;
        if (regel && g.regel)
            EXPECT_EQ(*regel, QString::fromUtf8(g.regel));
    }
}

TEST(WettelijkeRegels, TheCaseUnderTheTotalsAndWhatMayNotLeaveWithoutTheBuyersNumber)
{
    struct {
        int procent;
        NulTarief geval;
        const char* koper;
        QStringList regels;
        bool geweigerd;
    } gevallen[] = {
        {21, NulTarief::Verlegd, "", {}, false},   // a rate: the case is not asked
        {0, NulTarief::NulProcent, "", {}, false},
        {0, NulTarief::Vrijgesteld, "", {"Vrijgesteld van btw", "kleineondernemersregeling"}, false},
        {0, NulTarief::Verlegd, "NL987654321B02", {"Btw verlegd", "Btw-nummer afnemer: NL987654321B02"}, false},
        {0, NulTarief::Verlegd, " ", {"Btw verlegd", "Btw-nummer afnemer: ontbreekt"}, true},
        {0, NulTarief::Intracommunautair, "DE123456789",
         {"Intracommunautaire levering, btw verlegd", "Btw-nummer afnemer: DE123456789"}, false},
        {0, NulTarief::Intracommunautair, "", {"Intracommunautaire levering, btw verlegd", "Btw-nummer afnemer: ontbreekt"},
         true},
    };
    for (const auto& g : gevallen) {
        Factuur f;
        f.BtwProcent = static_cast<std::uint8_t>(g.procent);
        f.Nultarief = g.geval;
        f.RedenVrijstelling = QStringLiteral("kleineondernemersregeling");
        EXPECT_EQ(BtwGevalRegels(f, QString::fromUtf8(g.koper)), g.regels) << g.procent << int(g.geval);
        const auto fout = OntbrekendVoorBtwGeval(f, QString::fromUtf8(g.koper));
        EXPECT_EQ(fout.has_value(), g.geweigerd) << g.procent << int(g.geval);
        if (fout)
            EXPECT_TRUE(fout->contains(QStringLiteral("btw-nummer van de klant"))) << fout->toStdString();
    }
    // A reason of the user's own fits under the totals.
    Factuur f;
    f.BtwProcent = 0;
    f.Nultarief = NulTarief::Vrijgesteld;
    f.RedenVrijstelling = QString(60, QLatin1Char('x'));
    EXPECT_EQ(BtwGevalRegels(f, {}).value(1).size(), kLangsteReden);
}
