#include "invoice/settings_file.h"
#include "platform/files.h"
#include "platform/pictures.h"
#include "ui/main/main_window.h"

#include "support/bedrag.h"
#include "support/bitmap.h"
#include "support/odd_files.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "ui/common/pagina_font.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A program folder and a main window loaded from it.
struct Opstart {
    TempProgramFolder map;
    Factuur factuur;
    ScriptedPrompts prompts;
    std::unique_ptr<Main> venster;

    void Start() { venster = std::make_unique<Main>(factuur, prompts, map.path()); }

    QByteArray Instellingen(std::uint8_t layout)
    {
        Factuur f;
        ZetStandaardwaarden(f);
        f.LayoutNr = layout;
        f.KleurR = 10;
        f.AfzenderTekst = QStringLiteral("Eigen bedrijf\r\nStraat 1");
        return InstellingenBytes(f);
    }
};

void Sluit(Main& venster, bool* geaccepteerd)
{
    QCloseEvent event;
    QApplication::sendEvent(&venster, &event);
    *geaccepteerd = event.isAccepted();
}

}  // namespace

TEST(MainWindow, FirstStartWritesTheSettingsAndShowsTheSamples)
{
    Opstart o;
    o.Start();
    Main& m = *o.venster;
    Factuur standaard;
    ZetStandaardwaarden(standaard);
    EXPECT_EQ(o.map.read("Quillet.ini"), InstellingenBytes(standaard));
    EXPECT_EQ(o.factuur.LayoutNr, 2);
    EXPECT_EQ(o.factuur.BtwProcent, 21);
    EXPECT_EQ(m.Pic->LabelAfz->Tekst(), kVoorbeeldAfzender);
    EXPECT_EQ(m.Pic->AdresRechthoek->Tekst(), kVoorbeeldAdres);
    EXPECT_EQ(m.Pic->FactuurLabel->text(), QStringLiteral("Factuurnr.       :\nFactuurdatum  :"));
    EXPECT_EQ(m.Pic->Kop[7]->text(), QStringLiteral("Btw 21%"));
    EXPECT_FALSE(m.Pic->Kop[3]->isVisibleTo(m.Pic));
    EXPECT_EQ(m.Pic->Kop[10]->text(), QStringLiteral("00000,00"));
    EXPECT_EQ(m.Combo1->count(), 31);
    EXPECT_EQ(m.Combo1->itemText(0), QStringLiteral("0"));
    EXPECT_EQ(m.Combo1->currentText(), QStringLiteral("21"));
    // The failure path leaves both layout buttons as they were built.
    EXPECT_TRUE(m.LayoutKnop[1]->isEnabled());
    EXPECT_TRUE(m.LayoutKnop[2]->isEnabled());
    EXPECT_TRUE(m.Label6->text().startsWith(QStringLiteral("Bijzondere tekens en handelingen met het toetsenbord\n\ná  = ")));
    EXPECT_TRUE(m.Label6->text().endsWith(QStringLiteral("plakken    = Ctrl-V")));
}

TEST(MainWindow, ASettingsFileWithLayoutOneOpensInLayoutOne)
{
    Opstart o;
    o.map.write("Quillet.ini", o.Instellingen(1));
    o.Start();
    Main& m = *o.venster;
    EXPECT_EQ(o.factuur.LayoutNr, 1);
    EXPECT_FALSE(m.LayoutKnop[1]->isEnabled());
    EXPECT_TRUE(m.LayoutKnop[2]->isEnabled());
    EXPECT_EQ(m.Pic->AchtergrondRechthoek().height(), 296);
    EXPECT_EQ(m.Label3->text(), QStringLiteral("Layout factuur = 1"));
    EXPECT_EQ(m.Pic->Kop[4]->text(), QStringLiteral("Btw 21%"));
    EXPECT_TRUE(m.Pic->Kop[4]->isVisibleTo(m.Pic));
    EXPECT_EQ(m.Pic->Kop[4]->pos(), QPoint(315, 204));
    EXPECT_EQ(m.Pic->PrijsExBtwLabel->x(), 270);
    EXPECT_EQ(m.Pic->LabelAfz->Tekst(), QStringLiteral("Eigen bedrijf\r\nStraat 1"));
    EXPECT_EQ(m.Frame1->palette().color(QPalette::Window), QColor(10, 250, 140));
}

TEST(MainWindow, LayoutButtonsAndVatChoice)
{
    Opstart o;
    o.Start();
    Main& m = *o.venster;
    o.factuur.Prijs[0] = QStringLiteral("12,50");
    o.factuur.KolomPrijs = QStringLiteral("12,50\r\n");
    o.factuur.TotaalExBtw = B("12.5");
    o.factuur.TotaalInclBtw = B("15.13");
    m.LayoutKnop[1]->click();
    EXPECT_EQ(m.Pic->Kop[10]->text(), QStringLiteral("00000,00"));  // nothing computed yet
    m.ToonKolommen();
    EXPECT_EQ(m.Pic->Kop[10]->text(), QStringLiteral("12,50"));

    m.LayoutKnop[2]->click();
    m.LayoutKnop[1]->click();
    EXPECT_EQ(o.factuur.LayoutNr, 1);
    // The computed totals, which the payment code asks too, not the captions of a new invoice.
    EXPECT_EQ(m.Pic->Kop[10]->text(), QStringLiteral("12,50"));
    EXPECT_EQ(m.Pic->Kop[12]->text(), QStringLiteral("15,13"));
    EXPECT_EQ(m.Pic->PrijsExBtwLabel->text(), QStringLiteral("12,50\n"));  // columns stay
    EXPECT_EQ(m.Pic->PrijsExBtwLabel->font().pointSizeF(), 6);
    EXPECT_FALSE(m.LayoutKnop[1]->isEnabled());
    EXPECT_TRUE(m.Pic->BtwLabel->isVisibleTo(m.Pic));

    m.Combo1->setCurrentText(QStringLiteral("9"));
    m.Combo1_Click();
    EXPECT_EQ(o.factuur.BtwProcent, 9);
    EXPECT_EQ(o.factuur.KopTekst[4], QStringLiteral("Btw 9%"));
    EXPECT_EQ(m.Pic->Kop[4]->text(), QStringLiteral("Btw 9%"));
    EXPECT_EQ(m.Pic->Kop[7]->text(), QStringLiteral("Btw 9%"));
    // The VAT follows the percentage the headings show.
    EXPECT_EQ(o.factuur.TotaalExBtw, B("12.5"));
    EXPECT_EQ(m.Pic->Kop[11]->text(), QStringLiteral("1,13"));
    EXPECT_EQ(m.Pic->Kop[12]->text(), QStringLiteral("13,63"));
    EXPECT_TRUE(m.Pic->BtwLabel->text().startsWith(QStringLiteral("1,13\n")));

    m.LayoutKnop[2]->click();
    EXPECT_EQ(m.Label3->text(), QStringLiteral("Layout factuur = 2"));
    EXPECT_EQ(m.Pic->AchtergrondRechthoek().height(), 276);
    EXPECT_EQ(m.Pic->PrijsExBtwLabel->x(), 358);
    EXPECT_EQ(m.Pic->Kop[7]->pos(), QPoint(300, 524));
    EXPECT_FALSE(m.Pic->BtwLabel->isVisibleTo(m.Pic));
}

TEST(MainWindow, SidePanelOpensFromEverySettingsItem)
{
    Opstart o;
    o.Start();
    Main& m = *o.venster;
    const int gesloten = m.centralWidget()->width();
    EXPECT_EQ(gesloten, 6675 / 15 - 8);
    EXPECT_FALSE(m.ZijpaneelOpen());
    for (QAction* item : m.SchermLayout) {
        item->trigger();
        EXPECT_TRUE(m.ZijpaneelOpen());
        EXPECT_EQ(m.centralWidget()->width(), 8610 / 15 - 8);
        m.Tabblad->click();
        EXPECT_FALSE(m.ZijpaneelOpen());
    }
    EXPECT_EQ(m.Frame2->geometry(), QRect(441, 2, 120, 170));
    EXPECT_EQ(m.Frame3->geometry(), QRect(441, 174, 120, 460));
    EXPECT_EQ(m.Frame1->geometry(), QRect(8, 2, 425, 632));
    EXPECT_EQ(m.Tabblad->text(), QStringLiteral("Tabblad sluiten"));
}

TEST(MainWindow, MenusCarryTheirCaptionsAndShortcuts)
{
    Opstart o;
    o.Start();
    Main& m = *o.venster;
    QStringList menus;
    for (QAction* a : m.menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, QStringList({"Bestand", "Tools", "Instellingen", "Help"}));
    struct { QAction* item; const char* tekst; const char* toets; } items[] = {
        {m.FileNieuw, "Nieuw", "Ctrl+N"}, {m.FileLoad, "Factuur Openen", "Ctrl+O"},
        {m.FileSave, "Factuur Opslaan", "Ctrl+S"}, {m.FilePrintTo[1], "Naar Printer", "Ctrl+P"},
        {m.FilePrintTo[2], "Naar Pdf-formaat", ""}, {m.FilePrintTo[4], "Print adres op A5 envelope", ""},
        {m.FileSetupPrinter, "Setup Printer", ""}, {m.FileExit, "Exit", "Ctrl+X"},
        {m.ToolsColorsWijzigen, "Kleuren Wijzigen", ""}, {m.ToolsCalc, "Calculator", ""},
        {m.ToolsLogoDesign, "Logo's  Ontwerpen", ""}, {m.ToolsAchtergrond, "Achtergrond Ontwerpen", ""},
        {m.HelpHelp, "Help", "F1"}, {m.HelpMeerSoftware, "Meer Software", "F3"}, {m.HelpOrbano, "Orbano Software", "F4"},
    };
    for (const auto& i : items) {
        EXPECT_EQ(i.item->text(), QString::fromLatin1(i.tekst));
        EXPECT_EQ(i.item->shortcut().toString(), QString::fromLatin1(i.toets)) << i.tekst;
    }
    EXPECT_TRUE(m.FilePrintTo[3]->isSeparator());
}

TEST(MainWindow, ExitAsksAndWritesTheSettingsOnlyOnYes)
{
    Opstart o;
    o.Start();
    QFile::remove(o.map.file("Quillet.ini"));
    o.factuur.VoetTekst[2] = QStringLiteral("gewijzigd");

    bool geaccepteerd = true;
    o.prompts.antwoorden = {false};
    Sluit(*o.venster, &geaccepteerd);
    EXPECT_FALSE(geaccepteerd);
    EXPECT_FALSE(QFile::exists(o.map.file("Quillet.ini")));
    ASSERT_EQ(o.prompts.gevraagd.size(), 1u);
    EXPECT_EQ(o.prompts.gevraagd[0].titel, QStringLiteral(" Exit"));
    EXPECT_EQ(o.prompts.gevraagd[0].tekst, QStringLiteral("Wilt u dit programma nu afsluiten?"));

    o.prompts.antwoorden = {true};
    Sluit(*o.venster, &geaccepteerd);
    EXPECT_TRUE(geaccepteerd);
    EXPECT_TRUE(o.map.read("Quillet.ini").contains("\"gewijzigd\"\r\n"));
}

TEST(MainWindow, AnUnwritableSettingsFileIsReportedOnExit)
{
    Opstart o;
    o.Start();
    // A folder where the file should be cannot be replaced by a file.
    QFile::remove(o.map.file("Quillet.ini"));
    QDir(o.map.path()).mkdir("Quillet.ini");
    QDir(o.map.file("Quillet.ini")).mkdir("bezet");
    bool geaccepteerd = false;
    o.prompts.antwoorden = {true};
    Sluit(*o.venster, &geaccepteerd);
    EXPECT_TRUE(geaccepteerd);
    ASSERT_EQ(o.prompts.gevraagd.size(), 2u);
    EXPECT_EQ(o.prompts.gevraagd[1].soort, QStringLiteral("Melding"));
    EXPECT_TRUE(o.prompts.gevraagd[1].tekst.startsWith(QStringLiteral("De instellingen konden niet worden opgeslagen")));
}

TEST(MainWindow, ASettingsFileThatIsNoRegularFileIsNeitherReadNorWrittenThrough)
{
    const HangGuard guard;
    TempProgramFolder buiten;
    for (const OddFile& odd : OddFiles()) {
        SCOPED_TRACE(odd.naam);
        Opstart o;
        const QByteArray vreemd = o.Instellingen(1);
        buiten.write("elders.ini", vreemd);
        if (!odd.maak(o.map.file("Quillet.ini"), buiten.file("elders.ini")))
            continue;  // a device needs root
        o.Start();
        EXPECT_EQ(o.factuur.LayoutNr, 2);  // the defaults, not what the link points at
        ASSERT_EQ(o.prompts.gevraagd.size(), 1u);
        EXPECT_EQ(o.prompts.gevraagd[0].soort, QStringLiteral("Melding"));
        EXPECT_EQ(o.prompts.gevraagd[0].titel, QStringLiteral(" Instellingen"));
        EXPECT_TRUE(o.prompts.gevraagd[0].tekst.contains(QStringLiteral(" is geen gewoon bestand en kan niet worden gebruikt.")));

        bool geaccepteerd = false;
        o.prompts.antwoorden = {true};
        Sluit(*o.venster, &geaccepteerd);
        EXPECT_TRUE(geaccepteerd);
        EXPECT_EQ(o.prompts.gevraagd.size(), 2u);  // the exit question only: told once
        EXPECT_EQ(buiten.read("elders.ini"), vreemd);
        EXPECT_TRUE(platform::GeenGewoonBestand(o.map.file("Quillet.ini")));
    }
}

TEST(MainWindow, APictureNamedWithAFolderPartCountsAsMissing)
{
    Opstart o;
    QImage logo(625, 125, QImage::Format_RGB32);
    logo.fill(Qt::blue);
    ASSERT_TRUE(BewaarBmp(logo, o.map.file("buiten.bmp")));
    Factuur f;
    ZetStandaardwaarden(f);
    f.LogoBestand = QStringLiteral("../buiten.bmp");
    f.AchtergrondBestand = QStringLiteral("../buiten.bmp");
    o.map.write("Quillet.ini", InstellingenBytes(f));
    o.Start();
    EXPECT_EQ(o.factuur.LogoBestand, QStringLiteral("../buiten.bmp"));  // kept as read
    EXPECT_TRUE(o.venster->Pic->LogoLabel->pixmap().isNull());
    EXPECT_TRUE(o.venster->Pic->Achtergrond().isNull());
}

TEST(MainWindow, LogoAndBackgroundComeFromTheirFolders)
{
    Opstart o;
    QImage logo(625, 125, QImage::Format_RGB32);
    logo.fill(Qt::blue);
    ASSERT_TRUE(BewaarBmp(logo, o.map.file("Logo/voorbeeld-1.bmp")));
    o.map.write("Backgrounds/olifant.bmp", "geen plaatje");
    o.Start();
    Main& m = *o.venster;
    const QPixmap getoond = m.Pic->LogoLabel->pixmap();
    ASSERT_FALSE(getoond.isNull());
    EXPECT_EQ(getoond.size(), QSize(391, 80));
    EXPECT_EQ(getoond.toImage().pixel(200, 40), qRgb(0, 0, 255));
    EXPECT_TRUE(m.Pic->Achtergrond().isNull());  // unreadable: nothing shown, no message
    EXPECT_TRUE(o.prompts.gevraagd.empty());
}

TEST(MainWindow, LogoAndBackgroundFoldersAreFoundWhateverTheirLetterCase)
{
    Opstart o;
    QDir(o.map.path()).rename(QStringLiteral("Logo"), QStringLiteral("logo"));
    QDir(o.map.path()).rename(QStringLiteral("Backgrounds"), QStringLiteral("backgrounds"));
    QImage plaatje(625, 125, QImage::Format_RGB32);
    plaatje.fill(Qt::blue);
    ASSERT_TRUE(BewaarBmp(plaatje, o.map.file("logo/voorbeeld-1.bmp")));
    ASSERT_TRUE(BewaarBmp(plaatje, o.map.file("backgrounds/olifant.bmp")));
    o.Start();
    EXPECT_FALSE(o.venster->Pic->LogoLabel->pixmap().isNull());
    EXPECT_FALSE(o.venster->Pic->Achtergrond().isNull());
    EXPECT_EQ(QDir(o.map.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList({"Adressen", "backgrounds", "Facturen", "logo"}));   // none made beside them
}

TEST(MainWindow, DoubleClicksChooseTheTaskOfTheDialog)
{
    Opstart o;
    o.Start();
    Main& m = *o.venster;
    struct { QWidget* doel; QPoint plek; int modus; } klikken[] = {
        {m.Pic->LabelAfz->viewport(), {10, 10}, 1},
        {m.Pic->AdresRechthoek->viewport(), {10, 10}, 2},
        {m.Pic, {200, 400}, 3},
        {m.Pic->LogoLabel, {10, 10}, 4},
    };
    for (const auto& k : klikken) {
        o.factuur.MijndataModus = 0;
        QTest::mouseDClick(k.doel, Qt::LeftButton, {}, k.plek);
        EXPECT_EQ(o.factuur.MijndataModus, k.modus);
    }
    o.factuur.MijndataModus = 0;
    QTest::mouseDClick(m.Pic, Qt::LeftButton, {}, QPoint(200, 100));  // outside the background
    EXPECT_EQ(o.factuur.MijndataModus, 0);
}

TEST(MainWindow, DoubleClicksAskForTheirDialogs)
{
    Opstart o;
    o.Start();
    Main& m = *o.venster;
    QStringList gevraagd;
    QObject::connect(&m, &Main::mijndataGevraagd, [&] { gevraagd << "mijndata"; });
    QObject::connect(&m, &Main::omschrijvingGevraagd, [&] { gevraagd << "omschrijving"; });
    QObject::connect(&m, &Main::factuurnummerGevraagd, [&] { gevraagd << "numdat"; });
    QObject::connect(&m, &Main::kopGevraagd, [&] { gevraagd << "kop"; });
    QObject::connect(&m, &Main::voettekstGevraagd, [&] { gevraagd << "voet"; });
    m.LayoutKnop[1]->click();
    for (QWidget* w : std::initializer_list<QWidget*>{m.Pic->OmschrijfLabel, m.Pic->FactuurLabel, m.Pic->BottomLabel,
                                                      m.Pic->Kop[1], m.Pic->Kop[5], m.Pic->Kop[8], m.Pic->Kop[10],
                                                      m.Pic->DatumLabel, m.Pic->LogoLabel})
        QTest::mouseDClick(w, Qt::LeftButton, {}, QPoint(2, 2));
    // Kop(8), a total and the date column open nothing.
    EXPECT_EQ(gevraagd, QStringList({"omschrijving", "numdat", "voet", "kop", "kop", "mijndata"}));
}

TEST(MainWindow, AdresLijstHoldsTheDisplayedLines)
{
    Opstart o;
    o.Start();
    Main& m = *o.venster;
    m.VulAdresLijst(1);
    EXPECT_EQ(m.List1, QStringList({"Korpela B.V.", "Lindeplein 59", "7701 KL, Dalmere", "Kvk : 123456",
                                    "Rabobank :912345678", ""}));
    m.VulAdresLijst(2);
    EXPECT_EQ(m.List2, QStringList({"Janssen & Zonen", "Voorbeeldstraat 52", "1234 AA, Amsterdam", ""}));
    m.List1.clear();
    m.VulAdresLijst(3);
    EXPECT_TRUE(m.List1.isEmpty());
}

// However short the description, the column answers a double-click over the
// caption's width and the height of its twenty lines, in both layouts.
TEST(MainWindow, TheDescriptionColumnAnswersOverItsWholeBody)
{
    Opstart o;
    o.Start();
    Main& m = *o.venster;
    int gevraagd = 0;
    QObject::connect(&m, &Main::omschrijvingGevraagd, [&] { ++gevraagd; });
    const int breed = QFontMetrics(PaginaFont(8.25)).horizontalAdvance(QStringLiteral("Omschrijving v/d factuur"));
    const int hoog = Factuur::kRegels * QFontMetrics(PaginaFont(6)).lineSpacing();
    const QPoint hoek = m.Pic->OmschrijfLabel->pos();
    const struct {
        int layout;
        const char* regels;   // nothing: the caption a new invoice shows
    } gevallen[] = {{1, nullptr}, {2, nullptr}, {1, "Uren"}, {2, "Uren"}, {2, "\r\n"}};
    for (const auto& g : gevallen) {
        m.LayoutKnop[g.layout]->click();
        if (g.regels) {
            o.factuur.KolomOmschrijving = QString::fromLatin1(g.regels);
            m.ToonKolommen();
        } else {
            m.ToonNieuweFactuur();
        }
        for (const QPoint p : {hoek + QPoint(breed - 1, 1), hoek + QPoint(1, hoog - 1), hoek + QPoint(breed - 1, hoog - 1)}) {
            const int eerder = gevraagd;
            QWidget* onder = m.Pic->childAt(p);
            ASSERT_NE(onder, nullptr) << g.layout << " " << p.x() << "," << p.y();
            QTest::mouseDClick(onder, Qt::LeftButton, {}, onder->mapFrom(m.Pic, p));
            EXPECT_EQ(gevraagd, eerder + 1) << g.layout << " " << (g.regels ? g.regels : "-") << " " << p.x() << ","
                                            << p.y();
        }
    }
}

TEST(MainWindow, TheVatCaseIsChosenAtZeroPercentAndThePageSaysIt)
{
    Opstart o;
    o.Start();
    Main& m = *o.venster;
    EXPECT_FALSE(m.NultariefKeuze->isVisibleTo(m.Frame2));
    EXPECT_FALSE(m.Pic->BtwGevalLabel->isVisibleTo(m.Pic));
    EXPECT_FALSE(m.Pic->VerkopersLabel->isVisibleTo(m.Pic));

    m.Combo1->setCurrentText(QStringLiteral("0"));
    m.Combo1_Click();
    EXPECT_TRUE(m.NultariefKeuze->isVisibleTo(m.Frame2));
    EXPECT_EQ(m.NultariefKeuze->currentText(), QStringLiteral("0 %-tarief"));
    EXPECT_FALSE(m.Pic->BtwGevalLabel->isVisibleTo(m.Pic));   // the plain 0 % rate needs no words
    m.NultariefKeuze_Click(1);
    EXPECT_EQ(o.factuur.Nultarief, NulTarief::Vrijgesteld);
    EXPECT_TRUE(m.Pic->BtwGevalLabel->isVisibleTo(m.Pic));
    EXPECT_EQ(m.Pic->BtwGevalLabel->text(), QStringLiteral("Vrijgesteld van btw\nkleineondernemersregeling"));

    m.Combo1->setCurrentText(QStringLiteral("21"));
    m.Combo1_Click();
    EXPECT_FALSE(m.NultariefKeuze->isVisibleTo(m.Frame2));
    EXPECT_FALSE(m.Pic->BtwGevalLabel->isVisibleTo(m.Pic));
}

TEST(MainWindow, ACreditNoteSaysWhatItCorrectsWhereNothingElseStands)
{
    Opstart o;
    o.Start();
    Main& m = *o.venster;
    Pagina& p = *m.Pic;
    EXPECT_FALSE(p.CreditnotaLabel->isVisibleTo(&p));
    EXPECT_FALSE(p.BetreftLabel->isVisibleTo(&p));

    o.factuur.FactuurNummer = QStringLiteral("2026-130");
    o.factuur.BetreftNummer = QStringLiteral("2026-117");
    o.factuur.BetreftDatum = QStringLiteral("05-12-2026");
    const QRect adresKader(176, 117, 195, 64);
    for (int layout : {1, 2}) {
        m.LayoutKnop_Click(layout);
        m.ToonFactuurLabel();
        ASSERT_TRUE(p.CreditnotaLabel->isVisibleTo(&p));
        ASSERT_TRUE(p.BetreftLabel->isVisibleTo(&p));
        EXPECT_EQ(p.CreditnotaLabel->text(), QStringLiteral("Creditnota"));
        EXPECT_EQ(p.BetreftLabel->text(), QStringLiteral("Betreft factuur 2026-117 van 05-12-2026"));
        const QWidget* anderen[] = {p.LogoLabel, p.LabelAfz, p.FactuurLabel, p.AdresRechthoek};
        for (const QWidget* credit : {p.CreditnotaLabel, p.BetreftLabel}) {
            const QRect r = credit->geometry();
            EXPECT_TRUE(p.rect().contains(r)) << layout;
            for (const QWidget* ander : anderen)
                EXPECT_FALSE(r.intersects(ander->geometry())) << layout;
            EXPECT_FALSE(r.intersects(adresKader)) << layout;
            for (int i = 1; i <= 5; ++i)
                EXPECT_FALSE(p.Kop[i]->isVisibleTo(&p) && r.intersects(p.Kop[i]->geometry())) << layout;
        }
        EXPECT_FALSE(p.CreditnotaLabel->geometry().intersects(p.BetreftLabel->geometry()));
    }

    o.factuur.BetreftNummer.clear();
    m.ToonFactuurLabel();
    EXPECT_FALSE(p.CreditnotaLabel->isVisibleTo(&p));
    EXPECT_FALSE(p.BetreftLabel->isVisibleTo(&p));
}
