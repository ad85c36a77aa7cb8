#include "invoice/bedrijf_controle.h"
#include "invoice/company_file.h"
#include "platform/cp1252.h"

#include "support/temp_folder.h"

#include "support/voorbeeld_bedrijf.h"

#include <gtest/gtest.h>

TEST(Bedrijfsgegevens, FieldChecks)
{
    struct {
        bool (*check)(const QString&);
        const char* tekst;
        bool geldig;
    } cases[] = {
        {GeldigeIban, "NL91ABNA0417164300", true},
        {GeldigeIban, "nl91 abna 0417 1643 00", true},   // as typed: blanks, lower case
        {GeldigeIban, "NL91ABNA0417164301", false},       // one digit off
        {GeldigeIban, "NL19ABNA0417164300", false},       // check digits swapped
        {GeldigeIban, "DE89370400440532013000", true},
        {GeldigeIban, "GB82WEST12345698765432", true},
        {GeldigeIban, "NL91", false},
        {GeldigeIban, "NL91ABNA04171643é0", false},
        {GeldigeIban, "nl91-abna-0417-1643-00", true},    // hyphens read as blanks
        {GeldigeIban, "NL06ABNA04171643001", false},      // 19 characters: a Dutch IBAN has 18
        {GeldigeIban, "NL98ABNA0417160003", true},
        {GeldigeIban, "NL01ABNA0417160003", false},       // 00, 01 and 99 pass the division, yet are never issued
        {GeldigeIban, "NL00ABNA0417160021", false},
        {GeldigeIban, "NL99ABNA0417160082", false},
        {GeldigeIban, "XX91ABNA0417164300", false},
        {GeldigBtwNummer, "NL123456789B01", true},
        {GeldigBtwNummer, "NL123456789B1", false},
        {GeldigBtwNummer, "NL12345678B01", false},
        {GeldigBtwNummer, "BE123456789B01", false},
        {GeldigBtwNummer, "NL123456789X01", false},
        {GeldigBtwNummer, "nl 1234.56.789 b01", true},
        {GeldigEmailadres, "info@noel.nl", true},
        {GeldigEmailadres, "info@noel", false},
        {GeldigEmailadres, "info noel@noel.nl", false},
        {GeldigEmailadres, "a@b@noel.nl", false},
        {GeldigeGln, "8712345678906", true},
        {GeldigeGln, "8712345678907", false},
        {GeldigOin, "00000001003214345000", true},
        {GeldigOin, "0000000100321434500", false},
        {GeldigKvkNummer, "12345678", true},
        {GeldigKvkNummer, "1234567", false},
        {GeldigKvkNummer, "1234567a", false},
        {GeldigeBic, "ABNANL2A", true},
        {GeldigeBic, "rabonl2uxxx", true},
        {GeldigeBic, "ABNANL2", false},
        {GeldigeBic, "ABNANL2AXX", false},
        {GeldigeBic, "AB1ANL2A", false},
        {GeldigeLandcode, "NL", true},
        {GeldigeLandcode, "N1", false},
        {GeldigeLandcode, "NLD", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.check(QString::fromUtf8(c.tekst)), c.geldig) << c.tekst;
    struct {
        const char* btw;
        const char* land;
        bool geldig;
    } landen[] = {
        {"BE0123456749", "BE", true},  {"DE123456789", "BE", false},     {"EL123456789", "GR", true},
        {"GR123456789", "GR", false},  {"nl123456789b01", "nl", true},   {"CHE123456789MWST", "CH", true},
        {"DE123456789", "CH", false},  {"ATU12345678", "AT", true},      {"AT12345678", "AT", false},
    };
    for (const auto& l : landen)
        EXPECT_EQ(BtwNummerVanLand(QString::fromLatin1(l.btw), QString::fromLatin1(l.land)), l.geldig) << l.btw;
    EXPECT_TRUE(GeldigeBetaaltermijn(0));
    EXPECT_TRUE(GeldigeBetaaltermijn(365));
    EXPECT_FALSE(GeldigeBetaaltermijn(366));
    EXPECT_FALSE(GeldigeBetaaltermijn(-1));
}

TEST(Bedrijfsgegevens, TheFirstWrongFieldIsNamedAndEmptyFieldsPass)
{
    EXPECT_EQ(FoutInBedrijfsgegevens(Bedrijfsgegevens{}), std::nullopt);
    struct {
        void (*zet)(Bedrijfsgegevens&);
        const char* begin;
    } cases[] = {
        {[](Bedrijfsgegevens& b) { b.Iban = "NL91ABNA0417164301"; }, "IBAN:"},
        {[](Bedrijfsgegevens& b) { b.Email = "info@korpela"; }, "E-mail:"},
        {[](Bedrijfsgegevens& b) { b.BtwNummer = "NL1234"; }, "Btw-nummer:"},
        {[](Bedrijfsgegevens& b) { b.KvkNummer = "123"; }, "KvK-nummer:"},
        {[](Bedrijfsgegevens& b) { b.Bic = "ABC"; }, "BIC:"},
        {[](Bedrijfsgegevens& b) { b.Land = "Nederland"; }, "Land:"},
        {[](Bedrijfsgegevens& b) { b.Betaaltermijn = 400; }, "Betaaltermijn:"},
        {[](Bedrijfsgegevens& b) { b.BetaalQr = true; b.Iban = "NL91ABNA0417164300"; }, "Betaal-QR"},
        {[](Bedrijfsgegevens& b) { b.BetaalQr = true; b.Bedrijfsnaam = "Korpela"; }, "Betaal-QR"},
    };
    for (const auto& c : cases) {
        Bedrijfsgegevens b;
        c.zet(b);
        const auto fout = FoutInBedrijfsgegevens(b);
        ASSERT_TRUE(fout) << c.begin;
        EXPECT_TRUE(fout->startsWith(QString::fromLatin1(c.begin))) << fout->toStdString();
    }
    Bedrijfsgegevens b;
    b.Bedrijfsnaam = "Korpela";
    b.Iban = " nl91 abna 0417 1643 00 ";
    b.Bic = "abnanl2a";
    b.BtwNummer = "nl123456789b01";
    b.BetaalQr = true;
    EXPECT_EQ(FoutInBedrijfsgegevens(b), std::nullopt);
    const Bedrijfsgegevens n = Genormaliseerd(b);
    EXPECT_EQ(n.Iban, "NL91ABNA0417164300");
    EXPECT_EQ(n.Bic, "ABNANL2A");
    EXPECT_EQ(n.BtwNummer, "NL123456789B01");
    // Only a to z are raised: the capitals of ƒ and µ have no place in the files' code page.
    EXPECT_EQ(NormaalNummer(QStringLiteral(" nl ƒ.µ-1 ")), QStringLiteral("NLƒµ1"));
}

TEST(CompanyFile, ThirteenRecordsInTheirOrderAndBack)
{
    Bedrijfsgegevens b;
    b.Bedrijfsnaam = QStringLiteral("Café Ëlla");
    b.Straat = "Lindeplein 59";
    b.Postcode = "7701 KL";
    b.Plaats = "Dalmere";
    b.KvkNummer = "12345678";
    b.BtwNummer = "NL123456789B01";
    b.Iban = "NL91ABNA0417164300";
    b.Bic = "ABNANL2A";
    b.Email = "info@korpela.nl";
    b.Betaaltermijn = 14;
    b.BetaalQr = true;
    const QByteArray verwacht = "\"Quillet bedrijfsgegevens\"\r\n\"Caf\xe9 \xcb" "lla\"\r\n\"Lindeplein 59\"\r\n"
                                "\"7701 KL\"\r\n\"Dalmere\"\r\n\"NL\"\r\n\"12345678\"\r\n\"NL123456789B01\"\r\n"
                                "\"NL91ABNA0417164300\"\r\n\"ABNANL2A\"\r\n\"info@korpela.nl\"\r\n14\r\n1\r\n";
    EXPECT_EQ(BedrijfsgegevensBytes(b), verwacht);
    const GelezenBedrijf terug = LeesBedrijfsgegevens(verwacht);
    EXPECT_TRUE(terug.onbruikbaar.isEmpty());
    EXPECT_EQ(BedrijfsgegevensBytes(terug.gegevens), verwacht);

    TempProgramFolder map;
    const QString pad = map.file(kBedrijfBestand);
    EXPECT_EQ(LeesBedrijfsgegevens(pad), std::nullopt);   // missing
    ASSERT_TRUE(SchrijfBedrijfsgegevens(b, pad));
    EXPECT_EQ(map.read(kBedrijfBestand), verwacht);
}

TEST(CompanyFile, OneBadRecordCostsOnlyItsOwnField)
{
    Bedrijfsgegevens b = VoorbeeldBedrijf();
    b.Betaaltermijn = 14;
    const QByteArray goed = BedrijfsgegevensBytes(b);
    struct {
        QByteArray bytes;
        QStringList onbruikbaar;
        int termijn;
        QString iban;
    } gevallen[] = {
        {QByteArray(goed).replace("\r\n14\r\n", "\r\n400\r\n"), {"Betaaltermijn (dagen)"}, 400, b.Iban},
        {QByteArray(goed).replace("\r\n14\r\n", "\r\n\"dertig\"\r\n"), {"Betaaltermijn (dagen)"}, 30, b.Iban},
        {goed.left(goed.lastIndexOf("0\r\n")), {"Betaal-QR op de factuur"}, 14, b.Iban},
        {QByteArray(goed).replace("\"NL91ABNA0417164300\"", "\"NL91ABNA0417164300"), {"IBAN"}, 14, b.Iban},
        {QByteArray(goed).replace("Quillet bedrijfsgegevens", "Iets anders"), {"de eerste regel"}, 14, b.Iban},
        {QByteArray(goed).replace("\r\n0\r\n", "\r\n7\r\n"), {"Betaal-QR op de factuur"}, 14, b.Iban},
    };
    for (const auto& g : gevallen) {
        const GelezenBedrijf gelezen = LeesBedrijfsgegevens(g.bytes);
        EXPECT_EQ(gelezen.onbruikbaar, g.onbruikbaar) << g.bytes.toStdString();
        EXPECT_EQ(gelezen.gegevens.Bedrijfsnaam, b.Bedrijfsnaam);
        EXPECT_EQ(gelezen.gegevens.Straat, b.Straat);
        EXPECT_EQ(gelezen.gegevens.KvkNummer, b.KvkNummer);
        EXPECT_EQ(gelezen.gegevens.Email, b.Email);
        EXPECT_EQ(gelezen.gegevens.Iban, g.iban);   // even from a record cut short
        EXPECT_EQ(gelezen.gegevens.Betaaltermijn, g.termijn);
    }
    // Saved by an editor as UTF-8 with a mark, or as UTF-16 with or without one.
    const QString tekst = platform::VanCp1252(goed).replace("Korpela", "Caf\u00e9 \u00cblla");
    const QByteArray zestien = QByteArray(reinterpret_cast<const char*>(tekst.utf16()), tekst.size() * 2);
    for (const QByteArray& bytes : {"\xEF\xBB\xBF" + tekst.toUtf8(), "\xFF\xFE" + zestien, zestien}) {
        const GelezenBedrijf gelezen = LeesBedrijfsgegevens(bytes);
        EXPECT_TRUE(gelezen.onbruikbaar.isEmpty()) << gelezen.onbruikbaar.join(',').toStdString();
        EXPECT_EQ(gelezen.gegevens.Bedrijfsnaam, QStringLiteral("Caf\u00e9 \u00cblla"));
        EXPECT_EQ(gelezen.gegevens.Betaaltermijn, 14);
    }
}

TEST(CompanyFile, TheLaterFieldsFollowOnlyWhenTheySaySomething)
{
    Bedrijfsgegevens b;
    const QByteArray oud = BedrijfsgegevensBytes(b);
    EXPECT_EQ(oud.count("\r\n"), 13);   // a file without them reads as before, without a word
    EXPECT_TRUE(LeesBedrijfsgegevens(oud).onbruikbaar.isEmpty());
    b.Nultarief = NulTarief::Vrijgesteld;
    b.RedenVrijstelling = QStringLiteral("medische zorg");
    b.VerkopersRegel = true;
    const QByteArray nieuw = BedrijfsgegevensBytes(b);
    EXPECT_TRUE(nieuw.startsWith(oud));
    EXPECT_TRUE(nieuw.endsWith("\r\n\"E\"\r\n\"medische zorg\"\r\n1\r\n"));
    const GelezenBedrijf terug = LeesBedrijfsgegevens(nieuw);
    EXPECT_TRUE(terug.onbruikbaar.isEmpty());
    EXPECT_EQ(terug.gegevens.Nultarief, NulTarief::Vrijgesteld);
    EXPECT_EQ(terug.gegevens.RedenVrijstelling, QStringLiteral("medische zorg"));
    EXPECT_TRUE(terug.gegevens.VerkopersRegel);
    EXPECT_EQ(LeesBedrijfsgegevens(QByteArray(nieuw).replace("\"E\"", "\"X\"")).onbruikbaar,
              QStringList({"Gewoonlijk bij 0 % btw"}));
}
