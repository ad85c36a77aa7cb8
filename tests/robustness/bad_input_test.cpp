// Whatever a user leaves in the program's folders, every reader of an outside
// file either reads it or refuses it: no crash, no hang, no change to what
// the program held. Every file the program writes under an odd name lands
// inside its own folder or is refused with a message.
#include "invoice/address_file.h"
#include "invoice/invoice_file.h"
#include "invoice/settings_file.h"
#include "output/pdf_plaatjes.h"
#include "pdf/pdf_writer.h"
#include "platform/files.h"
#include "platform/pictures.h"

#include "support/bitmap.h"
#include "support/odd_files.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QDirIterator>
#include <gtest/gtest.h>

#include <functional>

namespace {

QByteArray Ruis(int lengte, unsigned seed)
{
    QByteArray b;
    b.reserve(lengte);
    for (int i = 0; i < lengte; ++i) {
        seed = seed * 1103515245u + 12345u;
        b.append(static_cast<char>(seed >> 16));
    }
    return b;
}

QByteArray GoedeInstellingen()
{
    Factuur f;
    ZetStandaardwaarden(f);
    return InstellingenBytes(f);
}

QByteArray GoedeFactuur()
{
    Factuur f;
    ZetStandaardwaarden(f);
    f.Omschrijving[0] = QStringLiteral("Advies");
    f.Prijs[0] = QStringLiteral("12,50");
    f.FactuurDatum = QStringLiteral("08-12-2026");
    return FactuurBytes(f);
}

QByteArray GoedeBmp()
{
    TempProgramFolder map;
    QImage plaatje(31, 7, QImage::Format_RGB32);
    plaatje.fill(Qt::darkCyan);
    BewaarBmp(plaatje, map.file("p.bmp"));
    return map.read("p.bmp");
}

// The ways a file goes wrong, made from a good one.
struct Bederf {
    const char* naam;
    std::function<QByteArray(const QByteArray&)> maak;
};

const Bederf kBederf[] = {
    {"empty", [](const QByteArray&) { return QByteArray(); }},
    {"one byte", [](const QByteArray& g) { return g.left(1); }},
    {"cut in half", [](const QByteArray& g) { return g.left(g.size() / 2); }},
    {"last byte gone", [](const QByteArray& g) { return g.left(g.size() - 1); }},
    {"random bytes", [](const QByteArray& g) { return Ruis(static_cast<int>(g.size()), 7); }},
    {"zeros", [](const QByteArray& g) { return QByteArray(g.size(), '\0'); }},
    {"one byte flipped everywhere", [](const QByteArray& g) {
         QByteArray b = g;
         for (qsizetype i = 0; i < b.size(); i += 17)
             b[i] = static_cast<char>(b[i] ^ 0x5A);
         return b;
     }},
    {"only quotes", [](const QByteArray& g) { return QByteArray(g.size(), '"'); }},
    {"huge", [](const QByteArray& g) { return g + QByteArray(6 * 1024 * 1024, 'x'); }},
    {"text of another kind", [](const QByteArray&) { return QByteArray("<html><body>Geen factuur</body></html>\n"); }},
};

struct Lezer {
    const char* naam;
    bool tekstBestand;  // text files have a size limit; a picture may carry trailing bytes
    QByteArray goed;
    // Reads the file into a fresh invoice; true when it was taken.
    std::function<bool(const QString& pad)> lees;
};

std::vector<Lezer> Lezers()
{
    return {
        {"settings", true, GoedeInstellingen(),
         [](const QString& pad) {
             Factuur f;
             ZetStandaardwaarden(f);
             return LeesInstellingen(f, pad);
         }},
        {"invoice", true, GoedeFactuur(),
         [](const QString& pad) {
             Factuur f;
             ZetStandaardwaarden(f);
             const Factuur voor = f;
             const bool gelezen = LeesFactuur(f, pad);
             if (!gelezen)  // a refused file leaves the invoice as it was
                 EXPECT_TRUE(f.Omschrijving == voor.Omschrijving && f.Prijs == voor.Prijs);
             return gelezen;
         }},
        {"address", true, AdresBytes(QStringLiteral("Janssen & Zonen\r\nStraat 1")),
         [](const QString& pad) { return OpenAdres(pad).has_value(); }},
        {"bmp for the pdf writer", false, GoedeBmp(),
         [](const QString& pad) {
             pdf::PdfWriter w;
             std::vector<std::uint8_t> buf, kleuren;
             std::int32_t breedte = 0, hoogte = 0;
             std::uint8_t bits = 0;
             try {
                 const bool gelezen = w.LeggeBMP(pad.toStdString(), buf, kleuren, breedte, hoogte, bits);
                 if (gelezen)
                     EXPECT_GE(buf.size(), std::size_t(breedte) * hoogte * bits / 8);
                 return gelezen;
             } catch (const std::system_error&) {
                 return false;  // a file that cannot be opened is reported, as the export expects
             }
         }},
        {"picture for the designers", false, GoedeBmp(),
         [](const QString& pad) { return platform::LaadPlaatje(pad).has_value(); }},
        {"picture for the pdf export", false, GoedeBmp(),
         [](const QString& pad) {
             pdf::PdfWriter w;
             w.InitPDFInMemory();
             return PdfPlaatje(w, "Img1", pad, QSizeF(206, 43));
         }},
    };
}

}  // namespace

TEST(BadInput, EveryReaderTakesTheGoodFileAndSurvivesEveryBadOne)
{
    TempProgramFolder map;
    for (const Lezer& lezer : Lezers()) {
        map.write("goed", lezer.goed);
        EXPECT_TRUE(lezer.lees(map.file("goed"))) << lezer.naam << ": the good file";
        for (const Bederf& bederf : kBederf) {
            SCOPED_TRACE(std::string(lezer.naam) + ": " + bederf.naam);
            map.write("slecht", bederf.maak(lezer.goed));
            lezer.lees(map.file("slecht"));  // either outcome; it must come back
        }
        EXPECT_FALSE(lezer.lees(map.file("bestaat-niet"))) << lezer.naam;
        EXPECT_FALSE(lezer.lees(map.path())) << lezer.naam << ": a folder";
    }
}

TEST(BadInput, EveryReaderRefusesLinksPipesAndDevicesAtOnce)
{
    const HangGuard guard;
    TempProgramFolder buiten;
    TempProgramFolder map;
    for (const Lezer& lezer : Lezers()) {
        buiten.write("goed", lezer.goed);
        for (const OddFile& odd : OddFiles()) {
            SCOPED_TRACE(std::string(lezer.naam) + ": " + odd.naam);
            const QString pad = map.file(QStringLiteral("vreemd"));
            if (!odd.maak(pad, buiten.file("goed")))
                continue;  // a device needs root
            // The writer's own reader reads the file it is given; only the program's readers keep to its folder.
            const bool volgtLinks = std::string(lezer.naam) == "bmp for the pdf writer";
            if (!volgtLinks || odd.naam != std::string("a link out of the folder"))
                EXPECT_FALSE(lezer.lees(pad));
            QFile::remove(pad);
            QDir().rmdir(pad);
        }
    }
}

TEST(BadInput, HugeTextFilesAndEmptyFilesAreRefused)
{
    TempProgramFolder map;
    for (const Lezer& lezer : Lezers()) {
        map.write("leeg", QByteArray());
        map.write("groot", lezer.goed + QByteArray(6 * 1024 * 1024, ' '));
        if (lezer.tekstBestand)
            EXPECT_FALSE(lezer.lees(map.file("groot"))) << lezer.naam;
        if (std::string(lezer.naam) != "address")  // an empty address file is an empty address
            EXPECT_FALSE(lezer.lees(map.file("leeg"))) << lezer.naam;
    }
}

TEST(BadInput, NamesTheUserTypesStayInsideTheProgramFolder)
{
    struct { const char* naam; bool geschreven; } namen[] = {
        {"klant met spaties", true}, {"café € 'quote'", true}, {"a\"b", true}, {"  voorloop", true},
        {"../buiten", false},         {"a/b", false},            {"a\\b", false}, {"..", false},
        {"", false},                  {"   ", false},            {"tab\there", false},
    };
    for (const auto& n : namen) {
        TempProgramFolder map;
        ScriptedPrompts prompts;
        const QString naam = QString::fromUtf8(n.naam);
        prompts.invoer = {naam};
        EXPECT_EQ(SaveAdres(map.path(), QStringLiteral("Adres"), prompts), n.geschreven) << n.naam;
        // Nothing at all outside "Adressen".
        QDirIterator alles(map.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (alles.hasNext()) {
            const QString pad = alles.next();
            EXPECT_TRUE(pad.startsWith(map.file("Adressen/"))) << n.naam << " wrote " << pad.toStdString();
        }
        if (!n.geschreven && !naam.trimmed().isEmpty()) {
            ASSERT_FALSE(prompts.gevraagd.empty()) << n.naam;
            EXPECT_TRUE(prompts.gevraagd.back().tekst.contains(QStringLiteral("kan niet als bestandsnaam")))
                << n.naam;
        }
    }
}

TEST(BadInput, AMissingFolderIsMadeAndAFileInTheWayIsReported)
{
    TempProgramFolder map;
    QDir(map.path()).rmdir("Adressen");
    ScriptedPrompts prompts;
    prompts.invoer = {QStringLiteral("klant")};
    EXPECT_TRUE(SaveAdres(map.path(), QStringLiteral("Adres"), prompts));
    EXPECT_TRUE(QFile::exists(map.file("Adressen/klant.adr")));

    // A file where the folder should be: the save fails and says so.
    TempProgramFolder bezet;
    QDir(bezet.path()).rmdir("Adressen");
    bezet.write("Adressen", "geen map");
    ScriptedPrompts p2;
    p2.invoer = {QStringLiteral("klant")};
    EXPECT_FALSE(SaveAdres(bezet.path(), QStringLiteral("Adres"), p2));
    ASSERT_FALSE(p2.gevraagd.empty());
    EXPECT_EQ(bezet.read("Adressen"), QByteArray("geen map"));
}
