#include "output/betaal_qr.h"

#include "output/afdrukken.h"
#include "support/recording_surface.h"
#include "support/scripted_prompts.h"

#include <QRegularExpression>

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

TEST(BetaalQr, CharactersOutsideTheBasicPlaneStayWholeAndHalvesGo)
{
    const QString lach = QString::fromUtf8("\xF0\x9F\x98\x80");   // one character, two UTF-16 units
    struct {
        QString naam;
        QString nummer;
    } gevallen[] = {
        {lach.repeated(80), QStringLiteral("1")},                       // wider than the code holds
        {QStringLiteral("A") + lach.repeated(40), lach.repeated(90)},
        {QStringLiteral("Ca") + QChar(0xD83D) + QStringLiteral("f") + QChar(0xDE00), QStringLiteral("7")},
    };
    for (const auto& g : gevallen) {
        Bedrijfsgegevens b = Bedrijf();
        b.Bedrijfsnaam = g.naam;
        const auto tekst = BetaalQrTekst(b, "10,00", g.nummer);
        ASSERT_TRUE(tekst);
        EXPECT_LE(tekst->size(), 331);
        EXPECT_EQ(QString::fromUtf8(*tekst).toUtf8(), *tekst);    // whole UTF-8 sequences only
        EXPECT_FALSE(QString::fromUtf8(*tekst).contains(QChar(0xFFFD)));
        EXPECT_LE(QString::fromUtf8(tekst->split('\n')[5]).toUcs4().size(), 70);
    }
    EXPECT_TRUE(BetaalQrTekst(Bedrijf(), "10,00", gevallen[2].naam)->endsWith("\nFactuur Caf"));
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
    // A credit note's money goes to the customer, even where its lines add up
    // to something to pay (the invoice it corrects gave a discount only).
    f.BetreftNummer = QStringLiteral("2026-117");
    EXPECT_EQ(BetaalQr(f), std::nullopt);
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

TEST(BetaalQr, ThePrintedCodeAndItsQuietZoneStayInsideAQuarterInchMargin)
{
    // A4 is 210 mm wide; a printer with margins of 6.35 mm prints 11185.5 twips of it.
    const double bedrukbaar = 210 / 25.4 * 1440 - 2 * 360;
    for (int layout : {1, 2}) {
        for (const char* naam : {"K", "Korpela Advies en Ontwerp voor Ondernemers in Dalmere en Omstreken B.V."}) {
            Factuur f;
            ZetStandaardwaarden(f);
            f.LogoBestand.clear();
            f.AchtergrondBestand.clear();
            f.LayoutNr = static_cast<std::uint8_t>(layout);
            f.Bedrijf = Bedrijf();
            f.Bedrijf.Bedrijfsnaam = QString::fromLatin1(naam);
            f.Prijs[19] = QStringLiteral("999999,99");
            f.Omschrijving[19] = QStringLiteral("Laatste regel");
            RecordingSurface s;
            ScriptedPrompts prompts;
            Afdrukken().FactuurAfdrukken(f, s, {{}, {}, "/nergens"}, prompts);
            const auto code = BetaalQr(f);
            ASSERT_TRUE(code);
            static const QRegularExpression box(QStringLiteral("^filledbox ([0-9.]+),([0-9.]+)-([0-9.]+),([0-9.]+) \\(0,0,0\\)$"));
            double links = 1e9, rechts = 0, boven = 1e9, onder = 0;
            for (const QString& call : s.calls)
                if (const auto m = box.match(call); m.hasMatch()) {
                    links = std::min(links, m.captured(1).toDouble());
                    boven = std::min(boven, m.captured(2).toDouble());
                    rechts = std::max(rechts, m.captured(3).toDouble());
                    onder = std::max(onder, m.captured(4).toDouble());
                }
            // The finder patterns fill the first and last column and row.
            const double stilte = kStilteZone * (rechts - links) / code->breedte;
            EXPECT_GE(links - stilte, 10095) << layout << naam;   // right of the column rule
            EXPECT_LE(rechts + stilte, bedrukbaar) << layout << naam;
            EXPECT_GE(boven - stilte, 10830 + 270) << layout << naam;   // below the twentieth line
            EXPECT_LE(onder + stilte, layout == 1 ? 13685 : 13100) << layout << naam;   // above the totals
        }
    }
}

TEST(BetaalQr, ThePreviewCaptionStaysClearOfThePageEdge)
{
    // The picture ends at the page's right edge; its caption rows must leave
    // the outermost columns white on both sides, whatever font stands in for Arial.
    for (const char* tekst : {"BCD", "BCD\n002\n1\nSCT\nABNANL2A\nCafe Ella B.V.\nNL91ABNA0417164300\nEUR999999999.99"}) {
        const auto code = MaakQrCode(tekst);
        ASSERT_TRUE(code);
        const QImage beeld = BetaalQrVoorbeeld(*code);
        const int maat = code->breedte + 2 * kStilteZone;
        bool inkt = false;
        for (int y = maat; y < beeld.height(); ++y) {
            for (int x = 0; x < beeld.width(); ++x)
                inkt = inkt || beeld.pixelColor(x, y) != Qt::white;
            EXPECT_EQ(beeld.pixelColor(0, y), Qt::white) << tekst << " row " << y;
            EXPECT_EQ(beeld.pixelColor(beeld.width() - 1, y), Qt::white) << tekst << " row " << y;
        }
        EXPECT_TRUE(inkt) << "no caption under the code";
    }
}
