#include "ui/dialogs/btw_aangifte_venster.h"

#include "boek/overzicht.h"
#include "platform/prompts.h"
#include "ui/common/kleuren.h"
#include "ui/common/plaatsing.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>

namespace {

const QString kAangifteTitel = QStringLiteral(" Btw-aangifte");

const char* const kOmschrijving[] = {
    "1a  Leveringen/diensten belast met hoog tarief",
    "1b  Leveringen/diensten belast met laag tarief",
    "1c  Leveringen/diensten belast met overige tarieven",
    "1e  Leveringen/diensten belast met 0% of niet bij u belast",
    "3b  Leveringen naar of diensten in landen binnen de EU",
};

QLabel* Bedrag(QWidget* parent, int left, int top)
{
    QLabel* label = NieuwLabel(parent, QString(), Links{left}, Boven{top});
    label->setFixedWidth(Px(1500));
    label->setAlignment(Qt::AlignRight);
    return label;
}

}  // namespace

BtwAangifteVenster::BtwAangifteVenster(std::vector<Boekregel> regels, const Factuur& factuur,
                                       const QString& programmaMap, platform::Prompts& prompts, QDate vandaag,
                                       QWidget* parent)
    : QDialog(parent), regels(std::move(regels)), programmaMap(programmaMap), prompts(prompts), vandaag(vandaag)
{
    setWindowTitle(QStringLiteral("Btw-aangifte"));
    ZetVenstermaat(this, 8700, 4950);
    Frame1 = NieuwFrame(this, Links{90}, Boven{15}, 8400, 4350);

    NieuwLabel(Frame1, QStringLiteral("Jaar"), Links{150}, Boven{195});
    JaarKeuze = new QComboBox(Frame1);
    ZetPlaats(JaarKeuze, Links{600}, Boven{150}, 1050, 330);
    QList<int> jaren = Jaren(this->regels);
    if (!jaren.contains(vandaag.year()))
        jaren.prepend(vandaag.year());
    for (int jaar : jaren)
        JaarKeuze->addItem(QString::number(jaar));
    NieuwLabel(Frame1, QStringLiteral("Periode"), Links{1800}, Boven{195});
    KwartaalKeuze = new QComboBox(Frame1);
    KwartaalKeuze->addItems({QStringLiteral("Heel jaar"), QStringLiteral("1e kwartaal"), QStringLiteral("2e kwartaal"),
                             QStringLiteral("3e kwartaal"), QStringLiteral("4e kwartaal")});
    ZetPlaats(KwartaalKeuze, Links{2550}, Boven{150}, 1500, 330);
    for (QComboBox* keuze : {JaarKeuze, KwartaalKeuze})
        ZetVakKleur(keuze, kInvoerKleur);

    // The quarter that was last finished is the one to declare.
    const QDate vorig = vandaag.addMonths(-3);
    JaarKeuze->setCurrentText(QString::number(vorig.year()));
    KwartaalKeuze->setCurrentIndex(Kwartaal(vorig));

    Bedrag(Frame1, 4650, 690)->setText(QStringLiteral("Omzet"));
    Bedrag(Frame1, 6450, 690)->setText(QStringLiteral("Btw"));
    for (int r = 0; r < 5; ++r) {
        const int top = 1020 + 360 * r;
        NieuwLabel(Frame1, QString::fromUtf8(kOmschrijving[r]), Links{150}, Boven{top});
        Omzet[r] = Bedrag(Frame1, 4650, top);
        Btw[r] = Bedrag(Frame1, 6450, top);
    }
    KorLabel = NieuwLabel(Frame1, QString(), Links{150}, Boven{2900});
    KorLabel->setFixedWidth(Px(8100));
    AantalLabel = NieuwLabel(Frame1, QString(), Links{150}, Boven{3250});
    AantalLabel->setFixedWidth(Px(8100));
    CsvKnop = NieuweKnop(Frame1, QStringLiteral("Opslaan als CSV"), Links{4950}, Boven{3800}, 1800, 390);
    SluitenKnop = NieuweKnop(Frame1, QStringLiteral("Sluiten"), Links{6900}, Boven{3800}, 1350, 390);

    for (QComboBox* keuze : {JaarKeuze, KwartaalKeuze})
        connect(keuze, &QComboBox::currentIndexChanged, this, &BtwAangifteVenster::Keuze_Change);
    connect(CsvKnop, &QPushButton::clicked, this, &BtwAangifteVenster::CsvKnop_Click);
    connect(SluitenKnop, &QPushButton::clicked, this, &QDialog::reject);
    KleurSchemaToepassen(this, Frame1, factuur);
    Keuze_Change();
}

void BtwAangifteVenster::Keuze_Change()
{
    aangifte = BerekenAangifte(regels, JaarKeuze->currentText().toInt(), KwartaalKeuze->currentIndex());
    for (int r = 0; r < 5; ++r) {
        Omzet[r]->setText(FormatBedrag(aangifte.rubrieken[r].omzet));
        // 1e and 3b carry no VAT of their own.
        Btw[r]->setText(r == int(Rubriek::R1e) || r == int(Rubriek::R3b) ? QString()
                                                                          : FormatBedrag(aangifte.rubrieken[r].btw));
    }
    const bool boven = aangifte.korOmzet > platform::Bedrag::UitCenten(kKorDrempelEuro * 100);
    KorLabel->setText(aangifte.kor ? QStringLiteral("KOR: omzet in Nederland in %1: %2 van %3,00 euro%4")
                                         .arg(aangifte.jaar)
                                         .arg(FormatBedrag(aangifte.korOmzet))
                                         .arg(kKorDrempelEuro)
                                         .arg(boven ? QStringLiteral(" - boven de drempel!") : QString())
                                   : QString());
    AantalLabel->setText(QStringLiteral("%1 facturen en creditnota's in ").arg(aangifte.documenten.size())
                         + (aangifte.kwartaal == 0 ? QString::number(aangifte.jaar)
                                                   : KwartaalKeuze->currentText() + QLatin1Char(' ')
                                                         + QString::number(aangifte.jaar)));
}

void BtwAangifteVenster::CsvKnop_Click()
{
    const auto paden = SchrijfAangifte(programmaMap, aangifte, regels, vandaag);
    if (!paden) {
        prompts.Melding(kAangifteTitel, QStringLiteral("De btw-aangifte kon niet worden opgeslagen in de map "
                                                       "'Btw-aangifte' (is de schijf vol of de map alleen-lezen?)."));
        return;
    }
    prompts.Melding(kAangifteTitel, QStringLiteral("De btw-aangifte staat in ") + QDir::toNativeSeparators(paden->first)
                                        + QStringLiteral("\r\nen de lijst van facturen in ")
                                        + QDir::toNativeSeparators(paden->second) + QStringLiteral("."));
}
