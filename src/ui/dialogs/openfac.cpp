#include "ui/dialogs/openfac.h"

#include "invoice/algemeen.h"
#include "invoice/invoice_file.h"
#include "invoice/mappen.h"
#include "invoice/regels_totalen.h"
#include "platform/files.h"
#include "platform/lijst.h"
#include "platform/prompts.h"
#include "ui/common/kleuren.h"
#include "ui/common/pagina_font.h"
#include "ui/common/plaatsing.h"
#include "ui/main/main_window.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

const QColor kKnopKleur(220, 220, 200);

QPushButton* NieuweOpenfacKnop(QWidget* parent, const QString& tekst, int left, int width)
{
    QPushButton* knop = NieuweKnop(parent, tekst, Links{left}, Boven{2920}, width, 300);
    QPalette p = knop->palette();
    p.setColor(QPalette::Button, kKnopKleur);
    knop->setPalette(p);
    return knop;
}

}  // namespace

Openfac::Openfac(Main& main, Factuur& factuur, platform::Prompts& prompts, const QString& programmaMap,
                 QWidget* parent)
    : QDialog(parent), main(main), factuur(factuur), prompts(prompts),
      map(Map(programmaMap, Bestandsmap::Facturen))
{
    setWindowTitle(QStringLiteral("Open project"));
    setFont(PaginaFont(8));
    ZetVenstermaat(this, 6045, 3915);
    Frame1 = NieuwFrame(this, Links{90}, Boven{0}, 5745, 3375);
    List1 = platform::NieuweLijst(Frame1);
    Plaats(List1, Links{120}, Boven{210}, 5490, 2595);
    ZetVakKleur(List1, QColor(200, 200, 180));
    Label2 = NieuwLabel(Frame1, QString(), Links{150}, Boven{2920});
    Label1 = NieuwPaneel(Frame1, Links{3780}, Boven{2890}, 1845, 360);
    CancelKnop = NieuweOpenfacKnop(Frame1, QStringLiteral("Cancel"), 3810, 900);
    OpenKnop = NieuweOpenfacKnop(Frame1, QStringLiteral("Open"), 4710, 885);
    OpenKnop->setDefault(true);   // Return opens the selected invoice
    connect(List1, &QListWidget::itemDoubleClicked, this, &Openfac::List1_DblClick);
    connect(OpenKnop, &QPushButton::clicked, this, &Openfac::OpenKnop_Click);
    connect(CancelKnop, &QPushButton::clicked, this, &Openfac::CancelKnop_Click);
    VulLijst();
    KleurSchemaToepassen(this, Frame1, factuur);
}

void Openfac::VulLijst()
{
    File1 = platform::BestandenLijst(map, QStringLiteral("*") + kFactuurExtensie);  // a missing folder lists nothing
    for (const QString& bestand : File1)
        List1->addItem(bestand.chopped(4));
    Label2->setText(QString::number(File1.size()) + QStringLiteral(" Facturen in de lijst..."));
    Label2->adjustSize();
}

void Openfac::OpenKnop_Click()
{
    const QListWidgetItem* gekozen = List1->currentItem();
    if (!gekozen || !gekozen->isSelected()) {
        prompts.Melding(QCoreApplication::applicationName(), QStringLiteral("Eerst een factuur selecteren!"));
        return;
    }
    const QString bestand = File1[List1->row(gekozen)];
    Factuur gelezen = factuur;
    if (!LeesFactuur(gelezen, platform::Pad(map, bestand))) {
        prompts.Melding(QCoreApplication::applicationName(),
                        QStringLiteral("Factuur '") + gekozen->text()
                            + QStringLiteral("' kon niet worden gelezen; de factuur is niet geopend."));
        return;
    }
    if (const auto regel = TeGrotePrijs(gelezen.Prijs)) {
        prompts.Melding(QCoreApplication::applicationName(),
                        QStringLiteral("Factuur '") + gekozen->text() + QStringLiteral("' is niet geopend. ")
                            + TeGrotePrijsMelding(*regel, gelezen.Prijs[*regel]));
        return;
    }
    factuur = std::move(gelezen);
    main.ToonFactuurLabel();
    HerberekenFactuur(factuur);
    main.ToonKolommen();
    accept();
}

void Openfac::List1_DblClick()
{
    OpenKnop_Click();
}

void Openfac::CancelKnop_Click()
{
    reject();
}
