#include "output/betaal_qr.h"

#include "support/recording_surface.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

Bedrijfsgegevens Bedrijf()
{
    Bedrijfsgegevens b;
    b.Bedrijfsnaam = QStringLiteral("Café Ëlla B.V.");
    b.Iban = QStringLiteral("nl91 abna 0417 1643 00");
    b.Bic = QStringLiteral("ABNANL2A");
    b.BetaalQr = true;
    return b;
}

}  // namespace

TEST(BetaalQr, PayloadLinesByteForByte)
{
    EXPECT_EQ(BetaalQrTekst(Bedrijf(), "1279,33", "2026-7"),
              QByteArray("BCD\n002\n1\nSCT\nABNANL2A\nCaf\xc3\xa9 \xc3\x8blla B.V.\nNL91ABNA0417164300\nEUR1279.33\n\n\n"
                         "Factuur 2026-7"));
    Bedrijfsgegevens b = Bedrijf();
    b.Bic.clear();
    b.Bedrijfsnaam = QStringLiteral("Korpela\r\nB.V.") + QString(80, 'x');
    const auto tekst = BetaalQrTekst(b, "0,01", "12\n3");
    ASSERT_TRUE(tekst);
    const QList<QByteArray> regels = tekst->split('\n');
    ASSERT_EQ(regels.size(), 11);   // no line break of the user's survives
    EXPECT_EQ(regels[4], "");
    EXPECT_EQ(regels[5], "Korpela B.V." + QByteArray(58, 'x'));   // 70 characters
    EXPECT_EQ(regels[7], "EUR0.01");
    EXPECT_EQ(regels[10], "Factuur 12 3");
    // The standard's 331 bytes: a long invoice number gives way.
    const auto lang = BetaalQrTekst(Bedrijf(), "10,00", QString(300, '9'));
    ASSERT_TRUE(lang);
    EXPECT_LE(lang->size(), 331);
    EXPECT_TRUE(lang->endsWith("99999"));
}

TEST(BetaalQr, NoCodeWithoutConsentNameIbanOrAmount)
{
    struct {
        void (*zet)(Bedrijfsgegevens&);
        const char* totaal;
    } cases[] = {
        {[](Bedrijfsgegevens& b) { b.BetaalQr = false; }, "10,00"},
        {[](Bedrijfsgegevens& b) { b.Bedrijfsnaam = " \r\n "; }, "10,00"},
        {[](Bedrijfsgegevens& b) { b.Iban = "NL91ABNA0417164301"; }, "10,00"},
        {[](Bedrijfsgegevens&) {}, "0,00"},
        {[](Bedrijfsgegevens&) {}, "-5,00"},
        {[](Bedrijfsgegevens&) {}, "1000000000,00"},
    };
    for (const auto& c : cases) {
        Bedrijfsgegevens b = Bedrijf();
        c.zet(b);
        EXPECT_EQ(BetaalQrTekst(b, c.totaal, "1"), std::nullopt) << c.totaal;
    }
    Factuur f;
    f.Bedrijf = Bedrijf();
    f.TotaalInclBtw = platform::Val("0.004");   // shown as 0,00
    EXPECT_EQ(BetaalQr(f), std::nullopt);
    f.TotaalInclBtw = platform::Val("12.5");
    EXPECT_TRUE(BetaalQrTekst(f)->contains("\nEUR12.50\n"));
}

TEST(BetaalQr, ModulesAreDrawnAsRunsInsideTheQuietZone)
{
    const auto code = MaakQrCode("BCD");
    ASSERT_TRUE(code);
    EXPECT_EQ(code->breedte, 21);   // version 1
    // Finder pattern: the top row starts with seven dark modules, then a light one.
    for (int x = 0; x < 7; ++x)
        EXPECT_TRUE(code->Donker(x, 0));
    EXPECT_FALSE(code->Donker(7, 0));
    RecordingSurface s;
    TekenQrCode(s, *code, 100, 200, 10, 0);
    ASSERT_FALSE(s.calls.isEmpty());
    EXPECT_EQ(s.calls.first(), "filledbox 140,240-210,250 (0,0,0)");   // 4 modules in, 7 long
    int donker = 0;
    for (const QrLoop& l : DonkereLopen(*code))
        donker += l.lengte;
    EXPECT_EQ(donker, std::count(code->modules.begin(), code->modules.end(), 1));
}
