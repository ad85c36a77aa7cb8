#include "ui/dialogs/facturenboek_venster.h"

#include "boek/facturenboek.h"
#include "boek/mailbericht.h"
#include "boek/uitgeven.h"
#include "invoice/factuur.h"
#include "platform/mail.h"
#include "platform/prompts.h"
#include "platform/shell.h"
#include "ui/common/kleuren.h"
#include "ui/common/plaatsing.h"
#include "ui/dialogs/boek_model.h"

#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {


QComboBox* NieuweKeuze(QWidget* parent, const QStringList& keuzes, int left, int width)
{
    auto* keuze = new QComboBox(parent);
    keuze->addItems(keuzes);
    ZetPlaats(keuze, Links{left}, Boven{150}, width, 330);
    ZetVakKleur(keuze, kInvoerKleur);
    return keuze;
}

}  // namespace

FacturenboekVenster::FacturenboekVenster(Facturenboek& boek, const Factuur& factuur, platform::Prompts& prompts,
                                         QDate vandaag, QWidget* parent)
    : QDialog(parent), boek(boek), prompts(prompts), vandaag(vandaag), model(new BoekModel(vandaag, this))
{
    setWindowTitle(QStringLiteral("Facturenboek"));
    ZetVenstermaat(this, 12900, 7920);
    Frame1 = NieuwFrame(this, Links{90}, Boven{15}, 12600, 7320);

    NieuwLabel(Frame1, QStringLiteral("Jaar"), Links{150}, Boven{195});
    JaarKeuze = NieuweKeuze(Frame1, {QStringLiteral("Alle")}, 600, 1050);
    NieuwLabel(Frame1, QStringLiteral("Kwartaal"), Links{1800}, Boven{195});
    KwartaalKeuze = NieuweKeuze(Frame1,
                                {QStringLiteral("Alle"), QStringLiteral("1e kwartaal"), QStringLiteral("2e kwartaal"),
                                 QStringLiteral("3e kwartaal"), QStringLiteral("4e kwartaal")},
                                2700, 1500);
    NieuwLabel(Frame1, QStringLiteral("Status"), Links{4400}, Boven{195});
    StatusKeuze = NieuweKeuze(
        Frame1, {QStringLiteral("Alle"), QStringLiteral("Open"), QStringLiteral("Betaald"), QStringLiteral("Te laat")},
        5100, 1350);
    NieuwLabel(Frame1, QStringLiteral("Zoeken (klant of nummer)"), Links{6750}, Boven{195});
    Zoeken = new QLineEdit(Frame1);
    ZetPlaats(Zoeken, Links{9450}, Boven{150}, 3000, 330);
    ZetVakKleur(Zoeken, kInvoerKleur);

    Lijst = new QTableView(Frame1);
    ZetPlaats(Lijst, Links{150}, Boven{600}, 12300, 5550);
    Lijst->setModel(model);
    Lijst->setSelectionBehavior(QAbstractItemView::SelectRows);
    Lijst->setSelectionMode(QAbstractItemView::SingleSelection);
    Lijst->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Lijst->verticalHeader()->hide();
    Lijst->verticalHeader()->setDefaultSectionSize(Px(300));
    Lijst->horizontalHeader()->setStretchLastSection(true);
    for (const auto& [kolom, breedte] : {std::pair{BoekModel::Nummer, 1875}, {BoekModel::Datum, 1275},
                                         {BoekModel::Klant, 2250}, {BoekModel::ExBtw, 1200}, {BoekModel::Btw, 975},
                                         {BoekModel::InclBtw, 1200}, {BoekModel::Vervaldatum, 1350}})
        Lijst->setColumnWidth(kolom, Px(breedte));
    ZetVakKleur(Lijst, QColor(250, 250, 245));

    TotaalLabel = NieuwLabel(Frame1, QString(), Links{150}, Boven{6270});
    TotaalLabel->setFixedWidth(Px(12300));

    int links = 150;
    auto knop = [this, &links](const QString& tekst) {
        QPushButton* k = NieuweKnop(Frame1, tekst, Links{links}, Boven{6750}, 1650, 390);
        links += 1770;
        return k;
    };
    BetaaldKnop = knop(QStringLiteral("Betaald"));
    OpenenKnop = knop(QStringLiteral("Openen"));
    PdfKnop = knop(QStringLiteral("Pdf"));
    CreditnotaKnop = knop(QStringLiteral("Creditnota"));
    MailenKnop = knop(QStringLiteral("Mailen"));
    AangifteKnop = knop(QStringLiteral("Btw-aangifte"));
    SluitenKnop = knop(QStringLiteral("Sluiten"));

    for (QComboBox* keuze : {JaarKeuze, KwartaalKeuze, StatusKeuze})
        connect(keuze, &QComboBox::currentIndexChanged, this, &FacturenboekVenster::Filter_Change);
    connect(Zoeken, &QLineEdit::textChanged, this, &FacturenboekVenster::Filter_Change);
    connect(BetaaldKnop, &QPushButton::clicked, this, &FacturenboekVenster::BetaaldKnop_Click);
    connect(PdfKnop, &QPushButton::clicked, this, &FacturenboekVenster::PdfKnop_Click);
    connect(MailenKnop, &QPushButton::clicked, this, &FacturenboekVenster::MailenKnop_Click);
    connect(OpenenKnop, &QPushButton::clicked, this, [this] {
        if (EersteKiezen())
            emit openenGevraagd(GekozenNummer());
    });
    connect(Lijst, &QTableView::doubleClicked, OpenenKnop, &QPushButton::click);
    connect(CreditnotaKnop, &QPushButton::clicked, this, [this] {
        if (EersteKiezen())
            emit creditnotaGevraagd(GekozenNummer());
    });
    connect(AangifteKnop, &QPushButton::clicked, this, &FacturenboekVenster::aangifteGevraagd);
    connect(SluitenKnop, &QPushButton::clicked, this, &QDialog::reject);

    KleurSchemaToepassen(this, Frame1, factuur);
    Vernieuw();
}

BoekFilter FacturenboekVenster::Filter() const
{
    BoekFilter f;
    f.jaar = JaarKeuze->currentIndex() > 0 ? JaarKeuze->currentText().toInt() : 0;
    f.kwartaal = KwartaalKeuze->currentIndex();
    f.status = BoekStatus(StatusKeuze->currentIndex());
    f.zoek = Zoeken->text();
    return f;
}

void FacturenboekVenster::Vernieuw()
{
    const QString gekozen = GekozenNummer();
    model->ZetRegels(boek.Regels());
    VulJaren();
    Filter_Change();
    for (int rij = 0; rij < model->rowCount(); ++rij)
        if (model->RegelOp(rij).uitgifte.nummer == gekozen)
            Lijst->selectRow(rij);
}

// The years the book holds; the chosen one stays chosen.
void FacturenboekVenster::VulJaren()
{
    const QString gekozen = JaarKeuze->currentText();
    const QSignalBlocker stil(JaarKeuze);
    JaarKeuze->clear();
    JaarKeuze->addItem(QStringLiteral("Alle"));
    for (int jaar : Jaren(model->Regels()))
        JaarKeuze->addItem(QString::number(jaar));
    JaarKeuze->setCurrentIndex(std::max(0, JaarKeuze->findText(gekozen)));
}

void FacturenboekVenster::Filter_Change()
{
    model->ZetGetoond(Gefilterd(model->Regels(), Filter(), vandaag));
    const Totalen t = TotalenVan(model->Regels(), model->Getoond());
    TotaalLabel->setText(QStringLiteral("%1 getoond      Excl. btw %2      Btw %3      Incl. btw %4")
                             .arg(model->rowCount())
                             .arg(FormatBedrag(t.exBtw), FormatBedrag(t.btw), FormatBedrag(t.inclBtw)));
}

const Boekregel* FacturenboekVenster::Gekozen() const
{
    const QModelIndexList rijen = Lijst->selectionModel()->selectedRows();
    return rijen.isEmpty() ? nullptr : &model->RegelOp(rijen.front().row());
}

QString FacturenboekVenster::GekozenNummer() const
{
    const Boekregel* r = Gekozen();
    return r ? r->uitgifte.nummer : QString();
}

bool FacturenboekVenster::EersteKiezen() const
{
    if (Gekozen())
        return true;
    prompts.Melding(kBoekTitel, QStringLiteral("Eerst een factuur selecteren!"));
    return false;
}

// Paid on a date the user gives (today proposed); on a paid one, undone.
void FacturenboekVenster::BetaaldKnop_Click()
{
    if (!EersteKiezen())
        return;
    const Boekregel r = *Gekozen();
    const QString nummer = r.uitgifte.nummer;
    std::optional<QDate> datum;
    if (r.betaald) {
        if (!prompts.Vraag(kBoekTitel, nummer + QStringLiteral(" staat als betaald op ") + DatumTekst(*r.betaald)
                                           + QStringLiteral(".\r\nDe betaling ongedaan maken?")))
            return;
    } else {
        const auto antwoord = prompts.Invoer(kBoekTitel, QStringLiteral("Datum van betaling van ") + nummer
                                                             + QStringLiteral(" (dd-mm-jjjj):"),
                                             DatumTekst(vandaag));
        if (!antwoord || antwoord->trimmed().isEmpty())
            return;
        datum = DatumUitTekst(*antwoord);
        if (!datum->isValid()) {
            prompts.Melding(kBoekTitel, QStringLiteral("'") + antwoord->trimmed()
                                            + QStringLiteral("' is geen datum; schrijf bijvoorbeeld ")
                                            + DatumTekst(vandaag) + QStringLiteral("."));
            return;
        }
    }
    if (!boek.ZetBetaald(nummer, datum))
        prompts.Melding(kBoekTitel, boek.Melding());
    Vernieuw();
}

void FacturenboekVenster::PdfKnop_Click()
{
    if (!EersteKiezen())
        return;
    const Boekregel& r = *Gekozen();
    if (r.pdf.isEmpty() || !QFile::exists(r.pdf)) {
        prompts.Melding(kBoekTitel, QStringLiteral("Van ") + r.uitgifte.nummer
                                        + QStringLiteral(" is geen PDF bewaard. Kies \"Openen\" en maak hem opnieuw."));
        return;
    }
    platform::OpenMetShell(r.pdf);
}

void FacturenboekVenster::MailenKnop_Click()
{
    if (!EersteKiezen())
        return;
    const Mailbericht m = MailVoor(*Gekozen());
    if (!platform::OpenMail(m.aan, m.onderwerp, m.tekst, m.bijlagen))
        prompts.Melding(kBoekTitel, QStringLiteral("Er is geen e-mailprogramma dat de mail kan openen. Stel een "
                                                   "e-mailprogramma in, of mail de PDF zelf; hij staat in ")
                                        + (m.bijlagen.isEmpty() ? QStringLiteral("de map Facturen/Uitgegeven")
                                                                : m.bijlagen.front())
                                        + QStringLiteral("."));
}
