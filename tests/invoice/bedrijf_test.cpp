#include "invoice/bedrijf_controle.h"
#include "invoice/company_file.h"

#include "support/temp_folder.h"

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
    const auto terug = LeesBedrijfsgegevens(verwacht);
    ASSERT_TRUE(terug);
    EXPECT_EQ(BedrijfsgegevensBytes(*terug), verwacht);

    TempProgramFolder map;
    const QString pad = map.file(kBedrijfBestand);
    EXPECT_EQ(LeesBedrijfsgegevens(pad), std::nullopt);   // missing
    ASSERT_TRUE(SchrijfBedrijfsgegevens(b, pad));
    EXPECT_EQ(map.read(kBedrijfBestand), verwacht);
}

TEST(CompanyFile, ShortForeignOrBrokenFilesAreNoDetails)
{
    const QByteArray goed = BedrijfsgegevensBytes(Bedrijfsgegevens{});
    const QByteArray kapot[] = {
        QByteArray(),
        goed.left(goed.lastIndexOf("0\r\n")),                        // the check box missing
        QByteArray(goed).replace("Quillet bedrijfsgegevens", "Iets anders"),
        QByteArray(goed).replace("\r\n30\r\n", "\r\n\"dertig\"\r\n"),
        QByteArray(goed).replace("\r\n30\r\n", "\r\n999\r\n"),
        QByteArray(goed).replace("\r\n0\r\n", "\r\n7\r\n"),
        QByteArray("\"Quillet bedrijfsgegevens\"\r\n\"zonder einde"),
    };
    for (const QByteArray& bytes : kapot)
        EXPECT_EQ(LeesBedrijfsgegevens(bytes), std::nullopt) << bytes.toStdString();
}
