#include "ui/main/main_window.h"

#include "invoice/algemeen.h"
#include "invoice/creditnota_regels.h"
#include "invoice/plaatjes.h"
#include "invoice/settings_file.h"
#include "output/betaal_qr.h"
#include "platform/amount.h"
#include "platform/files.h"
#include "platform/pictures.h"
#include "platform/prompts.h"
#include "ui/common/kleuren.h"
#include "ui/common/pagina_font.h"
#include "ui/common/plaatsing.h"
#include "ui/main/bijzondere_tekens.h"
#include "ui/main/layout_icons.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>

namespace {

// The menu bar, between the caption and the client area.
constexpr int kMenuHoogte = 20;

// A filled column body is written small enough for its 20 lines.
void ToonKolom(PaginaLabel* label, const QString& tekst)
{
    label->setFont(PaginaFont(6));
    label->ToonTekst(tekst);
}

const QString kLegeFactuurLabel = QStringLiteral("Factuurnr.       :\r\nFactuurdatum  :");

}  // namespace

Main::Main(Factuur& factuur, platform::Prompts& prompts, const QString& programmaMap, QWidget* parent)
    : QMainWindow(parent), factuur(factuur), prompts(prompts), programmaMap(programmaMap)
{
    setWindowTitle(QStringLiteral("Quillet"));
    MaakVenster();
    MaakZijpaneel();
    MaakMenus();
    KoppelKleurenEnHelp();

    for (int i = 0; i <= 30; ++i)
        Combo1->addItem(QString::number(i));
    connect(Combo1, &QComboBox::activated, this, &Main::Combo1_Click);
    Combo1->setCurrentText(QStringLiteral("21"));
    Combo1_Click();

    Label6->setText(MetRegeleinden(SpecialeTekens()));

    ZetStandaardwaarden(factuur);
    factuur.AfzenderTekst = Pic->LabelAfz->Tekst();
    factuur.AdresTekst = Pic->AdresRechthoek->Tekst();
    LaadInstellingen();
    LaadBedrijf();
}

void Main::MaakVenster()
{
    centraal = new QWidget(this);
    centraal->setFont(PaginaFont(8));
    setCentralWidget(centraal);
    ZetBreedte(kBreedteGesloten);

    Frame1 = NieuwFrame(centraal, Links{120}, Boven{30}, 6375, 9480);
    BackA4 = new QLabel(Frame1);
    Plaats(BackA4, Links{90}, Boven{195}, 6195, 9195);
    ZetAchtergrondKleur(BackA4, QColor(180, 200, 200));

    Pic = new Pagina(Frame1);
    Plaats(Pic, Links{180}, Boven{285});
    HelpLabel = new PaginaLabel(Frame1);
    Plaats(HelpLabel, Links{210}, Boven{285}, 6000, 9000);
    ZetAchtergrondKleur(HelpLabel, QColor(180, 200, 200));
    HelpLabel->setWordWrap(true);
    HelpLabel->hide();

    Pic->LabelAfz->ToonTekst(kVoorbeeldAfzender);
    Pic->AdresRechthoek->ToonTekst(kVoorbeeldAdres);
    Pic->FactuurLabel->ToonTekst(kLegeFactuurLabel);
    ToonKolomPlaatshouders();

    KoppelDubbelKlikken();
}

void Main::ToonKolomPlaatshouders()
{
    Pic->DatumLabel->ToonTekst(QStringLiteral("Datum"));
    Pic->OmschrijfLabel->ToonTekst(QStringLiteral("Omschrijving v/d factuur"));
    Pic->PrijsExBtwLabel->ToonTekst(QStringLiteral("     Prijs"));
    Pic->BtwLabel->ToonTekst(QStringLiteral("     Btw"));
    Pic->PrijsTotaalLabel->ToonTekst(QStringLiteral("  Totaal"));
}

void Main::VraagMijndata(int modus)
{
    factuur.MijndataModus = static_cast<std::uint8_t>(modus);
    emit mijndataGevraagd();
}

void Main::KoppelDubbelKlikken()
{
    connect(Pic->LabelAfz, &PaginaTekstvak::dubbelKlik, this, [this] { VraagMijndata(1); });
    connect(Pic->AdresRechthoek, &PaginaTekstvak::dubbelKlik, this, [this] { VraagMijndata(2); });
    connect(Pic, &Pagina::achtergrondDubbelKlik, this, [this] { VraagMijndata(3); });
    connect(Pic->LogoLabel, &PaginaLabel::dubbelKlik, this, [this] { VraagMijndata(4); });
    connect(Pic->OmschrijfLabel, &PaginaLabel::dubbelKlik, this, &Main::omschrijvingGevraagd);
    connect(Pic->FactuurLabel, &PaginaLabel::dubbelKlik, this, &Main::factuurnummerGevraagd);
    connect(Pic->BottomLabel, &PaginaLabel::dubbelKlik, this, &Main::voettekstGevraagd);
    connect(Pic->BetaalQrLabel, &PaginaLabel::dubbelKlik, this, &Main::bedrijfsgegevensGevraagd);
    for (int i = 1; i <= 5; ++i)
        connect(Pic->Kop[i], &PaginaLabel::dubbelKlik, this, &Main::kopGevraagd);
}

void Main::MaakZijpaneel()
{
    Frame2 = NieuwFrame(centraal, Links{6615}, Boven{30}, 1800, 2550);
    Combo1 = new QComboBox(Frame2);
    Plaats(Combo1, Links{150}, Boven{240}, 780);
    QPalette combo = Combo1->palette();
    combo.setColor(QPalette::Base, QColor(230, 220, 220));
    combo.setColor(QPalette::Button, QColor(230, 220, 220));
    Combo1->setPalette(combo);
    Label1 = NieuwLabel(Frame2, QStringLiteral("Btw in %"), Links{990}, Boven{285});
    NultariefKeuze = new QComboBox(Frame2);
    Plaats(NultariefKeuze, Links{60}, Boven{585}, 1680, 330);
    MaakNultariefKeuze();
    Label3 = NieuwLabel(Frame2, QStringLiteral("Layout factuur = 2"), Links{165}, Boven{930});
    Label2 = new QLabel(Frame2);
    Label2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Plaats(Label2, Links{150}, Boven{1200}, 1500, 1025);
    for (int i : {1, 2}) {
        LayoutKnop[i] = new QPushButton(Frame2);
        Plaats(LayoutKnop[i], Links{i == 1 ? 180 : 900}, Boven{1230}, 720, 965);
        LayoutKnop[i]->setIcon(LayoutIcoon(i));
        LayoutKnop[i]->setIconSize(LayoutKnop[i]->size() - QSize(10, 10));
        LayoutKnop[i]->setToolTip(QStringLiteral("Layout %1").arg(i));
        connect(LayoutKnop[i], &QPushButton::clicked, this, [this, i] { LayoutKnop_Click(i); });
    }
    Label4 = NieuwLabel(Frame2, QStringLiteral("1          2"), Links{480}, Boven{2250});

    Frame3 = NieuwFrame(centraal, Links{6615}, Boven{2610}, 1800, 6900);
    Label6 = new QLabel(Frame3);
    Label6->setTextFormat(Qt::PlainText);
    Label6->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label6->setWordWrap(true);
    Plaats(Label6, Links{150}, Boven{240}, 1530, 5700);
    Label5 = new QLabel(Frame3);
    Label5->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Plaats(Label5, Links{150}, Boven{6360}, 1500, 390);
    Tabblad = new QPushButton(QStringLiteral("Tabblad sluiten"), Frame3);
    Plaats(Tabblad, Links{180}, Boven{6390}, 1440, 330);
    connect(Tabblad, &QPushButton::clicked, this, &Main::Tabblad_Click);
}

void Main::MaakMenus()
{
    auto actie = [this](QMenu* menu, const QString& tekst, const QKeySequence& toets = {}) {
        QAction* a = menu->addAction(tekst);
        a->setShortcut(toets);
        return a;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("Bestand"));
    FileNieuw = actie(file, QStringLiteral("Nieuw"), QKeySequence(QStringLiteral("Ctrl+N")));
    FileLoad = actie(file, QStringLiteral("Factuur Openen"), QKeySequence(QStringLiteral("Ctrl+O")));
    FileSave = actie(file, QStringLiteral("Factuur Opslaan"), QKeySequence(QStringLiteral("Ctrl+S")));
    file->addSeparator();
    QMenu* print = file->addMenu(QStringLiteral("Factuur Afdrukken"));
    FilePrintTo[1] = actie(print, QStringLiteral("Naar Printer"), QKeySequence(QStringLiteral("Ctrl+P")));
    FilePrintTo[2] = actie(print, QStringLiteral("Naar Pdf-formaat"));
    FileEfactuur = actie(print, QStringLiteral("Naar e-factuur (UBL)"));
    FilePrintTo[3] = print->addSeparator();
    FilePrintTo[4] = actie(print, QStringLiteral("Print adres op A5 envelope"));
    FileSetupPrinter = actie(file, QStringLiteral("Setup Printer"));
    file->addSeparator();
    FileBoek = actie(file, QStringLiteral("Facturenboek"), QKeySequence(QStringLiteral("Ctrl+B")));
    FileAangifte = actie(file, QStringLiteral("Btw-aangifte"));
    file->addSeparator();
    FileExit = actie(file, QStringLiteral("Exit"), QKeySequence(QStringLiteral("Ctrl+X")));
    connect(FileExit, &QAction::triggered, this, &Main::FileExit_Click);

    QMenu* tools = menuBar()->addMenu(QStringLiteral("Tools"));
    ToolsColorsWijzigen = actie(tools, QStringLiteral("Kleuren Wijzigen"));
    ToolsCalc = actie(tools, QStringLiteral("Calculator"));
    ToolsLogoDesign = actie(tools, QStringLiteral("Logo's  Ontwerpen"));
    ToolsAchtergrond = actie(tools, QStringLiteral("Achtergrond Ontwerpen"));

    QMenu* scherm = menuBar()->addMenu(QStringLiteral("Instellingen"));
    const QString schermItems[] = {QStringLiteral("Layout"), QStringLiteral("Btw bedrag"),
                                   QStringLiteral("Speciale Tekens")};
    for (int i = 0; i < 3; ++i) {
        SchermLayout[i] = actie(scherm, schermItems[i]);
        connect(SchermLayout[i], &QAction::triggered, this, &Main::SchermLayout_Click);
    }
    SchermBedrijf = actie(scherm, QStringLiteral("Bedrijfsgegevens"));
    connect(SchermBedrijf, &QAction::triggered, this, &Main::bedrijfsgegevensGevraagd);

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    HelpHelp = actie(help, QStringLiteral("Help"), QKeySequence(Qt::Key_F1));
    HelpHelp->setCheckable(true);
    help->addSeparator();
    HelpMeerSoftware = actie(help, QStringLiteral("Meer Software"), QKeySequence(Qt::Key_F3));
    HelpOrbano = actie(help, QStringLiteral("Orbano Software"), QKeySequence(Qt::Key_F4));

    // Each is enabled where its window is wired in.
    for (QAction* a : {FileNieuw, FileLoad, FileSave, FilePrintTo[1], FilePrintTo[2], FileEfactuur, FilePrintTo[4],
                       FileSetupPrinter, FileBoek, FileAangifte, ToolsCalc, ToolsLogoDesign, ToolsAchtergrond})
        a->setEnabled(false);
}

void Main::ZetBreedte(int twips)
{
    centraal->setFixedSize(Binnenmaat(twips, kHoogte) - QSize(0, kMenuHoogte));
    adjustSize();
    setFixedSize(sizeHint());
}

bool Main::ZijpaneelOpen() const
{
    return centraal->width() == Binnenmaat(kBreedteOpen, kHoogte).width();
}

void Main::LaadInstellingen()
{
    const QString pad = platform::Pad(programmaMap, QString::fromLatin1(kInstellingenBestand));
    if (platform::GeenGewoonBestand(pad)) {
        // A link, pipe or device is neither read at start nor written through on exit.
        instellingenBruikbaar = false;
        prompts.Melding(QStringLiteral(" Instellingen"),
                        QStringLiteral("Het bestand ") + pad
                            + QStringLiteral(" is geen gewoon bestand en kan niet worden gebruikt.\r\n"
                                             "Quillet werkt met de standaardinstellingen; wijzigingen "
                                             "worden bij het afsluiten niet bewaard."));
    } else if (LeesInstellingen(factuur, pad)) {
        KleurenToepassen(factuur.KleurR, factuur.KleurG, factuur.KleurB);
        LayoutKnop_Click(factuur.LayoutNr);
        LaadLogo();
        LaadAchtergrond();
        ToonPartijen();
        ToonVoettekst();
        return;
    } else {
        // An unreadable file is replaced silently by one made of the values
        // as they stand; the unreadable one is kept beside it under another name.
        HerschrijfInstellingen(factuur, pad);
    }
    ZetLayout(factuur.LayoutNr);
    ToonVoettekst();
    KleurenToepassen(factuur.KleurR, factuur.KleurG, factuur.KleurB);
    LaadLogo();
    LaadAchtergrond();
}

void Main::ZetLayout(int layout)
{
    const auto indeling = ::ZetLayout(factuur, layout, Combo1->currentText());
    if (!indeling)
        return;
    Pic->PasIndelingToe(*indeling);
    // The layout places the totals; once computed they stay what every output asks.
    if (totalenGetoond)
        ToonTotalen();
}

void Main::LayoutKnop_Click(int index)
{
    ZetLayout(index);
    LayoutKnop[1]->setEnabled(index != 1);
    LayoutKnop[2]->setEnabled(index != 2);
    Pic->ZetAchtergrondHoogte(AchtergrondHoogte(index));
    factuur.LayoutNr = static_cast<std::uint8_t>(index);
    Label3->setText(QStringLiteral("Layout factuur = %1").arg(index));
    Label3->adjustSize();
}

void Main::Combo1_Click()
{
    const QString kop = BtwKop(Combo1->currentText());
    factuur.KopTekst[4] = kop;
    factuur.KopTekst[7] = kop;
    Pic->Kop[4]->ToonTekst(kop);
    Pic->Kop[7]->ToonTekst(kop);
    factuur.BtwProcent = static_cast<std::uint8_t>(Combo1->currentText().toInt());
    ToonNultariefKeuze();
    // The VAT the page shows follows the percentage its headings show, so the
    // page, the printout and the e-invoice never state two amounts.
    VolgRegels();
}

void Main::VolgRegels()
{
    if (!totalenGetoond)
        return;
    HerberekenFactuur(factuur);
    ToonKolommen();
}

void Main::SchermLayout_Click()
{
    ZetBreedte(kBreedteOpen);
}

void Main::Tabblad_Click()
{
    ZetBreedte(kBreedteGesloten);
}

void Main::KleurenToepassen(int rood, int groen, int blauw)
{
    const QColor kleur(rood, groen, blauw);
    ZetAchtergrondKleur(centraal, kleur);
    for (QWidget* w : {static_cast<QWidget*>(Frame1), static_cast<QWidget*>(Frame2), static_cast<QWidget*>(Frame3)})
        ZetAchtergrondKleur(w, kleur);
}

void Main::VulAdresLijst(int modus)
{
    PaginaTekstvak* vak = modus == 1 ? Pic->LabelAfz : modus == 2 ? Pic->AdresRechthoek : nullptr;
    if (!vak)
        return;
    (modus == 1 ? List1 : List2) = TekstRegels(vak->Tekst(), vak->font(), vak->TekstBreedte());
}

void Main::LaadLogo(QSize maat)
{
    if (factuur.LogoBestand.isEmpty()) {
        Pic->LogoLabel->clear();
        return;
    }
    if (const auto pad = LogoVanFactuur(factuur, programmaMap))
        if (const auto logo = platform::LaadPlaatje(*pad))
            Pic->ZetLogo(*logo, maat);
}

void Main::LaadAchtergrond()
{
    if (factuur.AchtergrondBestand.isEmpty())
        return;
    if (const auto pad = AchtergrondVanFactuur(factuur, programmaMap))
        if (const auto plaatje = platform::LaadPlaatje(*pad))
            Pic->ZetAchtergrond(*plaatje);
}

void Main::ToonPartijen()
{
    Pic->LabelAfz->ToonTekst(factuur.AfzenderTekst);
    Pic->AdresRechthoek->ToonTekst(factuur.AdresTekst);
    ToonWettelijkeRegels();   // the buyer's btw-nummer goes by the address
}

void Main::ToonVoettekst()
{
    Pic->BottomLabel->ToonTekst(factuur.VoetTekst[1] + QStringLiteral("\r\n") + factuur.VoetTekst[2]);
}

void Main::ToonKolommen()
{
    ToonKolom(Pic->DatumLabel, factuur.KolomDatum);
    ToonKolom(Pic->OmschrijfLabel, factuur.KolomOmschrijving);
    ToonKolom(Pic->PrijsExBtwLabel, factuur.KolomPrijs);
    ToonKolom(Pic->BtwLabel, factuur.KolomBtw);
    ToonKolom(Pic->PrijsTotaalLabel, factuur.KolomTotaal);
    totalenGetoond = true;
    ToonTotalen();
}

void Main::ToonTotalen()
{
    Pic->Kop[10]->ToonTekst(platform::FormatBedrag(factuur.TotaalExBtw));
    Pic->Kop[11]->ToonTekst(platform::FormatBedrag(factuur.TotaalBtw));
    Pic->Kop[12]->ToonTekst(platform::FormatBedrag(factuur.TotaalInclBtw));
    ToonBetaalQr();
}

void Main::ToonNieuweFactuur()
{
    for (PaginaLabel* kolom : {Pic->DatumLabel, Pic->OmschrijfLabel, Pic->PrijsExBtwLabel, Pic->BtwLabel,
                               Pic->PrijsTotaalLabel})
        kolom->setFont(PaginaFont(8));
    ToonKolomPlaatshouders();
    totalenGetoond = false;
    for (int i : {10, 11, 12})
        Pic->Kop[i]->ToonTekst(QString::fromLatin1(kLegeTotalen));
    Pic->FactuurLabel->ToonTekst(kLegeFactuurLabel);
    ToonCreditnota();
    ToonBetaalQr();
}

void Main::ToonFactuurLabel()
{
    Pic->FactuurLabel->ToonTekst(QStringLiteral("Factuurnr.       : ") + factuur.FactuurNummer
                                 + QStringLiteral("\r\nFactuurdatum  : ") + factuur.FactuurDatum.value_or(QString()));
    ToonCreditnota();
    ToonBetaalQr();
}

void Main::ToonCreditnota()
{
    const QStringList regels = CreditnotaRegels(factuur);
    Pic->CreditnotaLabel->setVisible(!regels.isEmpty());
    Pic->BetreftLabel->setVisible(!regels.isEmpty());
    if (regels.isEmpty())
        return;
    Pic->CreditnotaLabel->ToonTekst(regels[0]);
    Pic->BetreftLabel->ToonTekst(regels[1]);
}

void Main::FileExit_Click()
{
    close();
}

void Main::closeEvent(QCloseEvent* event)
{
    if (!prompts.Vraag(QStringLiteral(" Exit"), QStringLiteral("Wilt u dit programma nu afsluiten?"))) {
        event->ignore();
        return;
    }
    const QString pad = platform::Pad(programmaMap, QString::fromLatin1(kInstellingenBestand));
    if (instellingenBruikbaar && !SchrijfInstellingen(factuur, pad))
        prompts.Melding(QStringLiteral(" Exit"),
                        QStringLiteral("De instellingen konden niet worden opgeslagen in ") + pad + QStringLiteral("."));
    event->accept();
    QApplication::exit(0);
}
