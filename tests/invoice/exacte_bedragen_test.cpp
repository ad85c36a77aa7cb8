#include "invoice/algemeen.h"
#include "invoice/regels_totalen.h"
#include "support/bedrag.h"

#include <gtest/gtest.h>

namespace {

// The accountant's evaluation, written apart from the program's: integer
// cents, the VAT in hundredths of a cent, rounded half away from zero once.
QString Centen(long long honderdsteCent)
{
    const long long centen = (honderdsteCent + 50) / 100;
    return QString::number(centen / 100) + ',' + QString::number(centen % 100).rightJustified(2, '0');
}

QStringList Kolom(const QString& kolom)
{
    QStringList e = kolom.split(QStringLiteral("\r\n"));
    e.removeLast();
    return e;
}

QString Prijstekst(int centen)
{
    return QString::number(centen / 100) + ',' + QString::number(centen % 100).rightJustified(2, '0');
}

}  // namespace

TEST(ExacteBedragen, TheCentsAnAccountantComputesInEveryRule)
{
    const RegelTeksten prijzen{QStringLiteral("10,50"), QStringLiteral("33,50"), QStringLiteral("65,50")};
    Factuur geopend;
    geopend.BtwProcent = 21;
    geopend.Prijs = prijzen;
    HerberekenFactuur(geopend);
    EXPECT_EQ(Kolom(geopend.KolomBtw).mid(0, 3), QStringList({"2,21", "7,04", "13,76"}));
    EXPECT_EQ(Kolom(geopend.KolomTotaal).mid(0, 3), QStringList({"12,71", "40,54", "79,26"}));

    Factuur bevestigd;
    bevestigd.BtwProcent = 21;
    BevestigRegels(bevestigd, {}, {}, prijzen);
    EXPECT_EQ(Kolom(bevestigd.KolomBtw).mid(0, 3), QStringList({"2,21", "7,04", "13,76"}));

    for (const Factuur* f : {&geopend, &bevestigd}) {
        EXPECT_EQ(platform::FormatBedrag(f->TotaalExBtw), "109,50");
        EXPECT_EQ(platform::FormatBedrag(f->TotaalBtw), "23,00");
        EXPECT_EQ(platform::FormatBedrag(f->TotaalInclBtw), "132,50");
    }
}

TEST(ExacteBedragen, HundredsOfCentPricesAgainstAPlainDecimalEvaluation)
{
    for (int procent : {21, 9, 6, 19, 30}) {
        Factuur f;
        f.BtwProcent = static_cast<std::uint8_t>(procent);
        for (int centen = 1; centen <= 2000; centen += 7) {
            const int regel = (centen / 7) % Factuur::kRegels;
            f.Prijs = {};
            f.Prijs[regel] = Prijstekst(centen);
            HerberekenFactuur(f);
            ASSERT_EQ(Kolom(f.KolomBtw)[regel], Centen(1LL * centen * procent))
                << centen << " at " << procent;
            ASSERT_EQ(Kolom(f.KolomTotaal)[regel], Centen(100LL * centen + 1LL * centen * procent))
                << centen << " at " << procent;
        }
        // All of them on one invoice of twenty lines, summed unrounded.
        Factuur vol;
        vol.BtwProcent = static_cast<std::uint8_t>(procent);
        long long volCenten = 0;
        long long volBtw = 0;  // hundredths of a cent
        for (int i = 0; i < Factuur::kRegels; ++i) {
            const int centen = 1 + 37 * i + 5 * procent;
            vol.Prijs[i] = Prijstekst(centen);
            volCenten += centen;
            volBtw += 1LL * centen * procent;
        }
        HerberekenFactuur(vol);
        EXPECT_EQ(platform::FormatBedrag(vol.TotaalExBtw), Centen(100 * volCenten));
        EXPECT_EQ(platform::FormatBedrag(vol.TotaalBtw), Centen(volBtw));
        EXPECT_EQ(platform::FormatBedrag(vol.TotaalInclBtw), Centen(100 * volCenten + volBtw));
        BevestigRegels(vol, {}, {}, vol.Prijs);
        EXPECT_EQ(platform::FormatBedrag(vol.TotaalBtw), Centen(volBtw));
        EXPECT_EQ(platform::FormatBedrag(vol.TotaalInclBtw), Centen(100 * volCenten + volBtw));
    }
}
