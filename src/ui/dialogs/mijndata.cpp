#include "ui/dialogs/mijndata.h"

#include "invoice/address_file.h"
#include "invoice/customer_file.h"
#include "invoice/factuur.h"
#include "invoice/mappen.h"
#include "platform/files.h"
#include "platform/lijst.h"
#include "platform/pictures.h"
#include "platform/prompts.h"
#include "ui/common/kleuren.h"
#include "ui/common/plaatsing.h"
#include "ui/dialogs/klantgegevens_form.h"
#include "ui/main/main_window.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>

namespace {

const QString kAanhalingstekens = QStringLiteral("Géén aanhalingstekens \" of ' gebruiken in de teksten.");
const QString kAdresHint = kAanhalingstekens + QStringLiteral("\r\nMaximaal 4 regels tekst per adres invullen.");

QString Titel(int modus)
{
    switch (modus) {
    case 1:
        return QStringLiteral(" Mijn gegevens");
    case 2:
        return QStringLiteral(" Adres gegevens");
    case 3:
        return QStringLiteral(" Achtergrond Openen");
    case 4:
        return QStringLiteral(" Logo Openen");
    }
    return QString();
}

}  // namespace

Mijndata::Mijndata(Main& main, Factuur& factuur, platform::Prompts& prompts, const QString& programmaMap,
                   QWidget* parent)
    : OkCancelDialoog(main, factuur, Titel(factuur.MijndataModus), {6000, 3900, Links{90}, Boven{30}, 5730, 3315},
                      parent),
      prompts(prompts), programmaMap(programmaMap)
{
    MaakBesturing();
    switch (factuur.MijndataModus) {
    case 1:
        LaadAfzender();
        break;
    case 2:
        LaadAdres();
        break;
    case 3:
        LaadPlaatjes(Map(programmaMap, Bestandsmap::Achtergronden),
                     QStringLiteral("Dubbelklik op naam is achtergrond exporteren naar factuur,\r\n"
                                    "géén naam selecteren is geen achtergrond."));
        break;
    case 4:
        LaadPlaatjes(Map(programmaMap, Bestandsmap::Logo),
                     QStringLiteral("Dubbelklik op naam is logo exporteren naar factuur,\r\n"
                                    "géén naam selecteren is geen logo."));
        break;
    }
}

void Mijndata::MaakBesturing()
{
    Text1 = new QTextEdit(Frame1);
    Text1->setAcceptRichText(false);
    Text1->setTabChangesFocus(true);   // a text box takes no tabs: Tab goes to the next control
    Text1->setLineWrapMode(QTextEdit::WidgetWidth);
    // Without scroll bars the box keeps one width, the width the lines are counted at.
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Plaats(Text1, Links{150}, Boven{240}, 5415, 1950);
    ZetVakKleur(Text1, QColor(230, 230, 180));

    List1 = platform::NieuweLijst(Frame1);
    Plaats(List1, Links{150}, Boven{240}, 5415, 1950);
    ZetVakKleur(List1, QColor(180, 230, 230));
    List1->hide();
    connect(List1, &QListWidget::itemDoubleClicked, this, &Mijndata::List1_DblClick);

    Label5 = NieuwLabel(Frame1, QString(), Links{165}, Boven{2250});

    Label4 = NieuwPaneel(Frame1, Links{150}, Boven{2790}, 1800, 390);
    AddKnop = NieuweKnop(Frame1, QStringLiteral("Opslaan"), Links{180}, Boven{2820}, 900, 330);
    AddKnop->setToolTip(QStringLiteral(" Nieuwe adres opslaan "));
    OpenKnop = NieuweKnop(Frame1, QStringLiteral("Openen"), Links{1080}, Boven{2820}, 840, 330);
    OpenKnop->setToolTip(QStringLiteral(" Adressenbestand openen "));
    Label6 = NieuwPaneel(Frame1, Links{1995}, Boven{2790}, 1365, 390);
    KlantKnop = NieuweKnop(Frame1, QStringLiteral("Klantgegevens"), Links{2025}, Boven{2820}, 1305, 330);
    KlantKnop->setToolTip(QStringLiteral(" Btw-nummer en andere gegevens van deze klant "));
    connect(KlantKnop, &QPushButton::clicked, this, &Mijndata::KlantKnop_Click);
    connect(AddKnop, &QPushButton::clicked, this, &Mijndata::AddKnop_Click);
    connect(OpenKnop, &QPushButton::clicked, this, &Mijndata::OpenKnop_Click);
    PlaatsOkCancel(Links{3780}, Boven{2790});
    OkKnop->setToolTip(QStringLiteral(" Adres of afbeelding  exporteren "));

    GeenAchtergrond = QImage(1, 1, QImage::Format_RGB32);
    GeenAchtergrond.fill(Qt::white);   // the page's own colour: no background
}

void Mijndata::LaadAfzender()
{
    setWindowTitle(QStringLiteral(" Mijn gegevens"));
    ZetTekst(main.Pic->LabelAfz->Tekst());
    ZetHint(kAanhalingstekens + QStringLiteral("\r\nMaximaal 6 regels tekst invullen."));
    for (QWidget* w : {static_cast<QWidget*>(Label4), static_cast<QWidget*>(AddKnop), static_cast<QWidget*>(OpenKnop),
                       static_cast<QWidget*>(Label6), static_cast<QWidget*>(KlantKnop)})
        w->hide();
}

void Mijndata::LaadAdres()
{
    setWindowTitle(QStringLiteral(" Adres gegevens"));
    ZetTekst(main.Pic->AdresRechthoek->Tekst());
    ZetHint(kAdresHint);
    VulFile1(Map(programmaMap, Bestandsmap::Adressen), QStringLiteral("*.adr"));
}

void Mijndata::LaadPlaatjes(const QString& folder, const QString& hint)
{
    ZetHint(hint);
    for (QWidget* w : {static_cast<QWidget*>(Label4), static_cast<QWidget*>(AddKnop), static_cast<QWidget*>(OpenKnop),
                       static_cast<QWidget*>(Label6), static_cast<QWidget*>(KlantKnop), static_cast<QWidget*>(Text1)})
        w->hide();
    List1->show();
    VulFile1(folder, QStringLiteral("*.bmp"));
    VulList1();
}

void Mijndata::ZetHint(const QString& tekst)
{
    Label5->setText(MetRegeleinden(tekst));
    Label5->adjustSize();
}

void Mijndata::VulFile1(const QString& folder, const QString& patroon)
{
    map = folder;
    File1 = platform::BestandenLijst(folder, patroon);  // a missing folder lists nothing
}

void Mijndata::VulList1()
{
    List1->clear();
    for (const QString& bestand : File1)
        List1->addItem(bestand.chopped(4));   // the pattern guarantees a four-character extension
}

QString Mijndata::Tekst() const
{
    return MetCrLf(Text1->toPlainText());
}

void Mijndata::ZetTekst(const QString& tekst)
{
    Text1->setPlainText(MetRegeleinden(tekst));
}

double Mijndata::TekstBreedte() const
{
    return Text1->width() - 2 * Text1->frameWidth() - 2 * Text1->document()->documentMargin();
}

void Mijndata::AddKnop_Click()
{
    SaveAdres(programmaMap, Tekst(), prompts);
}

void Mijndata::KlantKnop_Click()
{
    // The customer of the address as the box holds it, which "Ok" puts on the invoice.
    Factuur metAdres = factuur;
    metAdres.AdresTekst = Tekst();
    KlantgegevensForm dialoog(main, factuur, KlantVoorstel(metAdres, programmaMap).gegevens, prompts, this);
    if (dialoog.exec() != QDialog::Accepted)
        return;
    if (!OnthoudKlant(programmaMap, KlantSleutel(metAdres.AdresTekst), TeOnthouden(dialoog.Gegevens(), factuur)))
        prompts.Melding(windowTitle(),
                        QStringLiteral("De klantgegevens konden niet worden bewaard in de map 'Adressen'."));
    main.ToonWettelijkeRegels();
}

void Mijndata::OpenKnop_Click()
{
    // Read the folder again: an address saved a moment ago belongs in the list.
    VulFile1(map, QStringLiteral("*.adr"));
    VulList1();
    Text1->hide();
    List1->show();
    ZetHint(QStringLiteral("Dubbelklik op één van bovenstaande adressen."));
}

QString Mijndata::GekozenBestand() const
{
    const int rij = List1->currentRow();
    if (rij < 0 || rij >= File1.size() || !List1->currentItem()->isSelected())
        return QString();
    return File1[rij];
}

void Mijndata::List1_DblClick()
{
    const QString bestand = GekozenBestand();
    if (bestand.isEmpty())
        return;
    switch (factuur.MijndataModus) {
    case 2:
        List1->hide();
        if (const auto tekst = OpenAdres(platform::Pad(map, bestand)))
            ZetTekst(*tekst);
        Text1->show();
        ZetHint(kAdresHint);
        break;
    case 3:
        KiesAchtergrond(bestand);
        accept();
        break;
    case 4:
        KiesLogo(bestand, kLogoDubbelklik);
        accept();
        break;
    }
}

bool Mijndata::IsBruikbaarPlaatje(const QString& bestand)
{
    if (!platform::LaadPlaatje(platform::Pad(map, bestand))) {
        prompts.Melding(windowTitle(), QStringLiteral("Het bestand '") + bestand
                                           + QStringLiteral("' is geen afbeelding die Quillet kan gebruiken; "
                                                            "de oude afbeelding blijft staan."));
        return false;
    }
    // The settings keep the name in Windows-1252; it must find this very file at the next start.
    if (!platform::BlijftVindbaar(map, bestand)) {
        prompts.Melding(windowTitle(), QStringLiteral("De naam van het bestand '") + bestand
                                           + QStringLiteral("' kan Quillet niet onthouden: een ander bestand lijkt er "
                                                            "te veel op. Geef een van beide een andere naam; "
                                                            "de oude afbeelding blijft staan."));
        return false;
    }
    return true;
}

// A picture that cannot be read is not taken: the page and the invoice keep
// the picture they show and its name.
void Mijndata::KiesAchtergrond(const QString& bestand)
{
    if (!IsBruikbaarPlaatje(bestand))
        return;
    factuur.AchtergrondBestand = bestand;
    main.LaadAchtergrond();
}

void Mijndata::KiesLogo(const QString& bestand, QSize maat)
{
    if (!bestand.isEmpty() && !IsBruikbaarPlaatje(bestand))
        return;
    factuur.LogoBestand = bestand;
    main.LaadLogo(maat);
}

bool Mijndata::NeemTekstOver(int maximum, QString& veld, const QString& plaatshouder)
{
    if (TelRegels(Tekst(), Text1->font(), TekstBreedte()).size() > maximum) {
        prompts.Melding(QCoreApplication::applicationName(),
                        QStringLiteral("Maximaal %1 regels tekst invoeren!").arg(maximum));
        return false;
    }
    veld = Tekst().isEmpty() ? plaatshouder : Tekst();
    main.ToonPartijen();
    return true;
}

void Mijndata::OkKnop_Click()
{
    ZetTekst(ZonderRandspaties(Tekst()));
    switch (factuur.MijndataModus) {
    case 1:
        if (!NeemTekstOver(kMaxAfzenderRegels, factuur.AfzenderTekst, QStringLiteral("Mijn gegevens")))
            return;   // the text stays for correction
        break;
    case 2:
        if (!NeemTekstOver(kMaxAdresRegels, factuur.AdresTekst, QStringLiteral("Waar moet de factuur naar toe?")))
            return;
        break;
    case 3:
        if (const QString bestand = GekozenBestand(); !bestand.isEmpty()) {
            KiesAchtergrond(bestand);
        } else {
            main.Pic->ZetAchtergrond(GeenAchtergrond);
            factuur.AchtergrondBestand.clear();
        }
        break;
    case 4:
        KiesLogo(GekozenBestand(), kLogoOk);   // no name: no logo
        break;
    }
    accept();
}
