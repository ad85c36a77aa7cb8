#include "background/transparant.h"

#include "background/doek.h"
#include "imaging/transparant.h"
#include "invoice/factuur.h"
#include "invoice/mappen.h"
#include "platform/escape.h"
#include "platform/opslaan.h"
#include "platform/pictures.h"
#include "platform/prompts.h"
#include "platform/wachten.h"
#include "ui/common/bezige_muis.h"
#include "ui/common/kleuren.h"
#include "ui/common/pagina_font.h"
#include "ui/common/plaatsing.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

namespace {

constexpr int kGomMaat = 15;
constexpr int kStap = 15;
// Down, up, left, right: the order of the shift buttons.
const QPoint kVerschuiving[4] = {{0, kStap}, {0, -kStap}, {-kStap, 0}, {kStap, 0}};
constexpr Qt::ArrowType kPijl[4] = {Qt::DownArrow, Qt::UpArrow, Qt::LeftArrow, Qt::RightArrow};

const QString kUitleg = QStringLiteral("Druk op Open om een afbeelding te laden.");
const QPoint kUitlegPlek(64, 180);

QString KiesPlaatje(QWidget* eigenaar)
{
    return QFileDialog::getOpenFileName(eigenaar, QString(), QString(),
                                        QStringLiteral("Foto ( Jpg, Bmp, Gif, Wmf ) (*.jpg *.bmp *.gif *.wmf)"));
}

// RGB32 rows are blue, green, red and 0xFF from the top: the pixel buffer's
// own layout, so the bytes are copied as they are.
imaging::Pixels AlsPixels(const QImage& beeld)
{
    const QImage rgb = beeld.convertToFormat(QImage::Format_RGB32);
    return imaging::Pixels(rgb.width(), rgb.height(), rgb.constBits());
}

QImage Papier(QColor blanco)
{
    QImage papier(Transparant::kBreedte, Transparant::kHoogte, QImage::Format_RGB32);
    papier.fill(blanco);
    return papier;
}

// The whole picture stretched over the paper, its proportions not kept;
// transparent parts show the paper.
imaging::Pixels Uitgerekt(const QImage& plaatje, QImage papier)
{
    QPainter p(&papier);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(papier.rect(), plaatje);
    p.end();
    return AlsPixels(papier);
}

}  // namespace

Transparant::Transparant(const Factuur& factuur, platform::Prompts& prompts, const QString& programmaMap,
                         QWidget* parent)
    : QDialog(parent), KiesBestand(KiesPlaatje), prompts(prompts), programmaMap(programmaMap)
{
    setModal(true);
    setWindowTitle(QStringLiteral("Achtergrond Ontwerpen"));
    platform::EscapeSluitNiet(*this);
    setFont(PaginaFont(8));
    ZetVenstermaat(this, 7605, 8400);
    MaakBesturing();
    KleurSchemaToepassen(this, Frame1, factuur);
}

void Transparant::MaakBesturing()
{
    Frame1 = NieuwFrame(this, Links{90}, Boven{30}, 7350, 7830);
    MaakDoek();

    Label3 = NieuwPaneel(Frame1, Links{150}, Boven{6660}, 3690, 330);
    HScroll = new QScrollBar(Qt::Horizontal, Frame1);
    HScroll->setRange(0, 100);
    HScroll->setValue(30);
    // Like the scroll bar's change event: a drag counts when it is let go.
    HScroll->setTracking(false);
    Plaats(HScroll, Links{180}, Boven{6690}, 3630, 270);
    connect(HScroll, &QScrollBar::valueChanged, this, &Transparant::HScroll_Change);
    Label4 = NieuwLabel(Frame1, QStringLiteral("Transparantie : 30%"), Links{3900}, Boven{6720});
    MaakKnoppen();
}

void Transparant::MaakDoek()
{
    Label1 = NieuwPaneel(Frame1, Links{150}, Boven{240}, 7050, 6300);
    const QColor blanco = palette().color(QPalette::Base);
    Picture3 = new Doek(QSize(kBreedte, kHoogte), blanco, Frame1);
    Picture3->setToolTip(QStringLiteral("Druk op linkermuistoets voor gummen"));
    Plaats(Picture3, Links{210}, Boven{300});
    Picture3->Wis(kUitleg, kUitlegPlek);
    Picture1 = AlsPixels(Papier(blanco));
    Picture2 = Picture1;
    connect(Picture3, &Doek::muisOmlaag, this, &Transparant::Picture3_MouseDown);
    connect(Picture3, &Doek::muisBeweegt, this, &Transparant::Picture3_MouseMove);
    connect(Picture3, &Doek::muisOmhoog, this, &Transparant::Picture3_MouseUp);

    Gom = new QFrame(Picture3);
    Gom->setFrameStyle(QFrame::Box | QFrame::Plain);
    Gom->setFixedSize(kGomMaat, kGomMaat);
    Gom->setAttribute(Qt::WA_TransparentForMouseEvents);
    Gom->hide();
}

void Transparant::MaakKnoppen()
{
    Label5 = NieuwPaneel(Frame1, Links{150}, Boven{7305}, 1800, 390);
    LoadKnop = NieuweKnop(Frame1, QStringLiteral("Open"), Links{180}, Boven{7335}, 870, 330);
    LoadKnop->setToolTip(QStringLiteral("Afbeelding Openen"));
    SaveKnop = NieuweKnop(Frame1, QStringLiteral("Opslaan"), Links{1050}, Boven{7335}, 870, 330);
    SaveKnop->setToolTip(QStringLiteral("Afbeelding Opslaan"));
    connect(LoadKnop, &QPushButton::clicked, this, &Transparant::LoadKnop_Click);
    connect(SaveKnop, &QPushButton::clicked, this, &Transparant::SaveKnop_Click);

    Label6 = NieuwPaneel(Frame1, Links{2100}, Boven{7305}, 1740, 390);
    for (int i = 0; i < 4; ++i) {
        Verschuif[i] = new QToolButton(Frame1);
        Verschuif[i]->setArrowType(kPijl[i]);
        Plaats(Verschuif[i], Links{2130 + 420 * i}, Boven{7335}, 420, 330);
        connect(Verschuif[i], &QToolButton::clicked, this, [this, i] { Verschuif_Click(i); });
    }
    Label7 = NieuwLabel(Frame1, QStringLiteral("Afbeelding verschuiven"), Links{3900}, Boven{7395});

    Label2 = NieuwPaneel(Frame1, Links{6285}, Boven{7305}, 900, 390);
    CancelKnop = NieuweKnop(Frame1, QStringLiteral("Exit"), Links{6315}, Boven{7335}, 840, 330);
    connect(CancelKnop, &QPushButton::clicked, this, &Transparant::CancelKnop_Click);
}

void Transparant::LoadKnop_Click()
{
    const QString pad = KiesBestand(this);
    if (pad.isEmpty())
        return;
    BezigeMuis bezig;
    Picture2 = Picture1;
    Picture3->Wis();
    // A file that is no picture ends here: the canvas stays cleared, as it
    // would with a picture.
    const auto plaatje = platform::LaadPlaatje(pad);
    if (!plaatje)
        return;
    Picture2 = Uitgerekt(*plaatje, Papier(palette().color(QPalette::Base)));
    platform::Wachten(Pauze);
    MaakTransparant();
}

void Transparant::HScroll_Change()
{
    Label4->setText(QStringLiteral("Transparantie : ") + QString::number(HScroll->value()) + QStringLiteral("%"));
    Label4->adjustSize();
    BezigeMuis bezig;
    platform::Wachten(Pauze);
    MaakTransparant();
}

void Transparant::MaakTransparant()
{
    const imaging::Pixels doek = imaging::MaakTransparant(Picture1, Picture2, HScroll->value());
    // The blend keeps the blank paper's reserved bytes, which came from an RGB32 image.
    Picture3->Toon(
        QImage(doek.Data(), doek.Width(), doek.Height(), doek.BytesPerLine(), QImage::Format_RGB32).copy());
}

void Transparant::Picture3_MouseDown(Qt::MouseButtons knoppen, QPoint plek)
{
    Gummen(knoppen, plek);
}

void Transparant::Picture3_MouseMove(Qt::MouseButtons knoppen, QPoint plek)
{
    Gummen(knoppen, plek);
}

void Transparant::Picture3_MouseUp()
{
    Gom->hide();
}

// The eraser square lies above and to the left of the pointer.
void Transparant::Gummen(Qt::MouseButtons knoppen, QPoint plek)
{
    if (knoppen != Qt::LeftButton)
        return;
    Gom->move(plek - QPoint(kGomMaat, kGomMaat));
    Gom->show();
    Picture3->WitVlak(plek - QPoint(kGomMaat - 1, kGomMaat - 1), plek - QPoint(1, 1));
}

void Transparant::Verschuif_Click(int index)
{
    Picture3->Verschuif(kVerschuiving[index]);
}

void Transparant::SaveKnop_Click()
{
    const platform::Opslag opslag{
        QStringLiteral(" Achtergrond opslaan"),
        QStringLiteral("Geef een naam voor deze achtergrond..."),
        QString(),
        Map(programmaMap, Bestandsmap::Achtergronden),
        QStringLiteral(".bmp"),
        {QStringLiteral(" Exist"), QStringLiteral("Naam achtergrond bestaat reeds, wilt u deze overschrijven?")},
        QStringLiteral("De achtergrond kon niet worden opgeslagen als "),
        true};
    platform::Opslaan(prompts, opslag, platform::AlsBmp(Picture3->Beeld()));
}

void Transparant::CancelKnop_Click()
{
    close();
}
