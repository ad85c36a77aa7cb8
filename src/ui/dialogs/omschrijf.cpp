#include "ui/dialogs/omschrijf.h"

#include "invoice/factuur.h"
#include "invoice/invoice_file.h"
#include "platform/amount.h"
#include "platform/escape.h"
#include "platform/prompts.h"
#include "ui/common/kleuren.h"
#include "ui/common/pagina_font.h"
#include "ui/common/plaatsing.h"
#include "ui/dialogs/calculator.h"
#include "ui/main/main_window.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kEersteRij = 510;
constexpr int kRijStap = 285;
constexpr int kRijHoogte = 270;

const QString kHint = QStringLiteral(
    "Maximaal 20 regels tekst kunnen er worden geplaatst op de factuur.\r\n"
    "Géén aanhalingstekens \" of ' gebruiken in de teksten.");

}  // namespace

Omschrijf::Omschrijf(Main& main, Factuur& factuur, platform::Prompts& prompts, QWidget* parent)
    : OkCancelDialoog(main, factuur, QStringLiteral("Omschrijving factuur"),
                      {9300, 8025, Links{90}, Boven{30}, 9030, 7425}, parent),
      prompts(prompts)
{
    platform::EscapeSluitNiet(*this);   // twenty typed lines would go with one key
    Label2 = NieuwLabel(Frame1, factuur.KopTekst[1], Links{150}, Boven{165});
    Label3 = NieuwLabel(Frame1, factuur.KopTekst[2], Links{1170}, Boven{165});
    Label4 = NieuwLabel(Frame1, factuur.KopTekst[5], Links{8420}, Boven{165});
    MaakRegels();
    MaakKnoppen();
}

void Omschrijf::MaakRegels()
{
    BackInvoer = NieuwPaneel(Frame1, Links{120}, Boven{450}, 8790, 5820);
    for (int i = 0; i < Factuur::kRegels; ++i) {
        const Boven boven{kEersteRij + kRijStap * i};
        Invoer1[i] = NieuwRegelvak(Links{180}, boven, 1050);
        Invoer1[i]->setMaxLength(10);
        Invoer1[i]->setText(factuur.Aantal[i]);
        Invoer2[i] = NieuwRegelvak(Links{1245}, boven, 6525);
        Invoer2[i]->setText(factuur.Omschrijving[i]);
        Invoer3[i] = NieuwRegelvak(Links{7785}, boven, 1050);
        Invoer3[i]->setAlignment(Qt::AlignRight);
        Invoer3[i]->setText(QString(factuur.Prijs[i]).replace(QLatin1Char('.'), QLatin1Char(',')));
        Invoer3[i]->installEventFilter(this);
    }
}

void Omschrijf::MaakKnoppen()
{
    Label8 = NieuwPaneel(Frame1, Links{6900}, Boven{6315}, 900, 315);
    TotaalKnop = NieuweKnop(Frame1, QStringLiteral("Totaal"), Links{6930}, Boven{6345}, 840, 255);
    TotaalText = new QLineEdit(Frame1);
    TotaalText->setAlignment(Qt::AlignRight);
    Plaats(TotaalText, Links{7845}, Boven{6315}, 1035, 300);
    ZetVakKleur(TotaalText, QColor(240, 210, 210));
    Label6 = NieuwLabel(Frame1, MetRegeleinden(kHint), Links{150}, Boven{6345});

    Label5 = NieuwPaneel(Frame1, Links{120}, Boven{6915}, 1950, 390);
    AddKnop = NieuweKnop(Frame1, QStringLiteral("Clear"), Links{150}, Boven{6945}, 870, 330);
    DelKnop = NieuweKnop(Frame1, QStringLiteral("Calculator"), Links{1020}, Boven{6945}, 1020, 330);
    PlaatsOkCancel(Links{7110}, Boven{6915});
    OkKnop->setToolTip(QStringLiteral(" Gegevens exporteren naar de factuur "));

    connect(TotaalKnop, &QPushButton::clicked, this, &Omschrijf::TotaalKnop_Click);
    connect(AddKnop, &QPushButton::clicked, this, &Omschrijf::AddKnop_Click);
    connect(DelKnop, &QPushButton::clicked, this, &Omschrijf::DelKnop_Click);
}

QLineEdit* Omschrijf::NieuwRegelvak(Links links, Boven boven, int breedte)
{
    auto* vak = new QLineEdit(Frame1);
    vak->setFont(PaginaFont(10));
    Plaats(vak, links, boven, breedte, kRijHoogte);
    QPalette p = vak->palette();
    p.setColor(QPalette::Base, QColor(230, 230, 190));
    p.setColor(QPalette::Text, QColor(60, 60, 60));
    vak->setPalette(p);
    return vak;
}

RegelTeksten Omschrijf::Teksten(const std::array<QLineEdit*, Factuur::kRegels>& vakken) const
{
    RegelTeksten teksten;
    for (int i = 0; i < Factuur::kRegels; ++i)
        teksten[i] = vakken[i]->text();
    return teksten;
}

void Omschrijf::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Invoer1[0]->setFocus();
}

bool Omschrijf::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress)
        for (int i = 0; i < Factuur::kRegels; ++i)
            if (object == Invoer3[i])
                Invoer3_Click(i);
    return QDialog::eventFilter(object, event);
}

void Omschrijf::AddKnop_Click()
{
    if (!prompts.Vraag(QStringLiteral(" Clear"), QStringLiteral("Wilt u alle velden weer leeg maken?")))
        return;
    for (int i = 0; i < Factuur::kRegels; ++i) {
        Invoer1[i]->clear();
        Invoer2[i]->clear();
        Invoer3[i]->clear();
    }
    TotaalText->setText(QStringLiteral("0000,00"));
    Invoer1[0]->setFocus();
}

void Omschrijf::DelKnop_Click()
{
    Calculator calculator(prompts, this);
    calculator.exec();
}

void Omschrijf::Invoer3_Click(int index)
{
    if (!IsBedrag(Invoer3[index]->text()))
        Invoer3[index]->clear();
}

bool Omschrijf::PrijzenTeBerekenen()
{
    const RegelTeksten prijzen = Teksten(Invoer3);
    const auto regel = TeGrotePrijs(prijzen);
    if (!regel)
        return true;
    prompts.Melding(QStringLiteral(" Omschrijving factuur"), TeGrotePrijsMelding(*regel, prijzen[*regel]));
    Invoer3[*regel]->setFocus();
    return false;
}

// Shows the sum only: the invoice takes its totals when the lines are confirmed.
void Omschrijf::TotaalKnop_Click()
{
    if (!PrijzenTeBerekenen())
        return;
    for (QLineEdit* prijs : Invoer3)
        prijs->setText(OpgemaaktePrijs(prijs->text()));
    TotaalText->setText(platform::FormatBedrag(SomVanPrijzen(Teksten(Invoer3))));
}

void Omschrijf::OkKnop_Click()
{
    if (!PrijzenTeBerekenen())
        return;   // the lines stay for correction
    BevestigRegels(factuur, Teksten(Invoer1), Teksten(Invoer2), Teksten(Invoer3));
    TotaalKnop_Click();
    main.ToonKolommen();
    accept();
}

void FileNieuw_Click(Main& main, Factuur& factuur, platform::Prompts& prompts)
{
    if (!prompts.Vraag(QStringLiteral(" Nieuw"), QStringLiteral("Wilt u een nieuwe factuur maken?")))
        return;
    NieuweFactuur(factuur);
    main.ToonNieuweFactuur();
    Omschrijf(main, factuur, prompts, &main).exec();
}
