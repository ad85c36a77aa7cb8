#include "logo/logo_form.h"

#include "invoice/factuur.h"
#include "invoice/plaatjes.h"
#include "logo/logo_bestanden.h"
#include "logo/tool_icons.h"
#include "platform/escape.h"
#include "platform/files.h"
#include "platform/lijst.h"
#include "platform/pictures.h"
#include "platform/wachten.h"
#include "ui/common/kleuren.h"
#include "ui/common/plaatsing.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

void ZetKleur(QWidget* w, QPalette::ColorRole rol, const QColor& kleur)
{
    QPalette p = w->palette();
    p.setColor(rol, kleur);
    w->setPalette(p);
}

// Check boxes fill their background with the button colour, panels with the window colour.
void ZetAchtergrond(QWidget* w, const QColor& kleur)
{
    w->setAutoFillBackground(true);
    ZetKleur(w, w->backgroundRole(), kleur);
}

// The boxes one types the text, its font and its size into.
const QColor kTekstvakKleur(190, 230, 190);
const QColor kKnopKleur(200, 200, 220);
const QColor kLijstKleur(210, 210, 160);

const QString kInformatie = QStringLiteral("Informatie...");

const char* const kHints[12] = {
    "Tekenen van kromme lijnen met tekenkleur.",
    "Tekenen van rechte lijnen met ingedrukte linkermuisknop.",
    "Tekenen van vierkanten en rechthoeken met tekenkleur.",
    "Tekenen van vierkanten en rechthoeken gevuld met vulkleur.",
    "Tekenen van circels en ellipsen met tekenkleur.",
    "Tekenen van circels en ellipsen gevuld met vulkleur.",
    "Linkermuisknop is vullen van vlakken met de vulkleur.",
    "Spray met ingedrukte linkermuisknop.",
    "Verwijderen van vlakken.",
    "Linkermuisknop is tekenkleur, rechtermuisknop is vulkleur opvragen.",
    "Teken met ingedrukte linkermuisknop gekleurde circels.",
    "Selecteer een rechthoek voor de grootte van de foto.",
};

}  // namespace

LogoForm::LogoForm(const Factuur& factuur, platform::Prompts& prompts, const QString& programmaMap, QWidget* parent)
    : QDialog(parent),
      factuur(factuur),
      prompts(prompts),
      programmaMap(programmaMap),
      filters(std::make_shared<imaging::Filters>([] { QCoreApplication::processEvents(); }))
{
    setWindowTitle(QStringLiteral("Logo's Ontwerpen"));
    platform::EscapeSluitNiet(*this);   // the drawing may be unsaved
    KiesFotoBestand = [this] {
        return QFileDialog::getOpenFileName(this, QString(), QString(),
                                            QStringLiteral("Foto ( Jpg, Bmp, Gif, Wmf ) (*.jpg *.bmp *.gif *.wmf)"));
    };
    KiesKleur = [this](const QColor& huidig) -> std::optional<QColor> {
        const QColor gekozen = QColorDialog::getColor(huidig, this);
        return gekozen.isValid() ? std::optional<QColor>(gekozen) : std::nullopt;
    };

    Menu = new QMenuBar(this);
    MaakMenus();
    auto* vlak = new QWidget(this);
    auto* indeling = new QVBoxLayout(this);
    indeling->setContentsMargins(0, 0, 0, 0);
    indeling->setSpacing(0);
    indeling->setMenuBar(Menu);
    indeling->addWidget(vlak);
    vlak->setFixedSize(Binnenmaat(kBreedte, kHoogte) - QSize(0, Menu->sizeHint().height()));
    MaakVenster(vlak);
    Koppel();
    KleurSchemaToepassen();
    setFixedSize(sizeHint());
}

void LogoForm::MaakVenster(QWidget* vlak)
{
    Frame1 = NieuwFrame(vlak, Links{105}, Boven{30}, 9765, 2355);
    InfoLabel = NieuwLabel(Frame1, kInformatie, Links{75}, Boven{30}, 9375, 225);
    Voorkant = new LogoCanvas(Frame1);
    Voorkant->move(Px(180 - 105), Px(285 - 30));

    Frame2 = NieuwFrame(vlak, Links{105}, Boven{2400}, 9765, 2895);
    MaakKleurenEnLijn(Frame2);
    MaakGereedschapKnoppen(Frame2);
    MaakTekstPaneel(Frame2);

    List1 = Plaats(platform::NieuweLijst(Frame2), Links{7830}, Boven{150}, 1815, 2175);
    List1->setToolTip(QStringLiteral(" Dubbelklik om logo te laden "));
    ZetVakKleur(List1, kLijstKleur);
    CancelKnop = Plaats(new QPushButton(QStringLiteral("Exit"), Frame2), Links{7830}, Boven{2400}, 1815, 390);
    CancelKnop->setAutoDefault(false);
}

void LogoForm::MaakKleurenEnLijn(QWidget* paneel)
{
    Label10 = NieuwLabel(paneel, QStringLiteral("Tekenkleur       Vulkleur"), Links{150}, Boven{225}, 2400, 225);
    Label3 = Plaats(new QPushButton(paneel), Links{150}, Boven{525}, 1035, 495);
    Label4 = Plaats(new QPushButton(paneel), Links{1365}, Boven{525}, 1035, 495);
    for (QPushButton* staal : {Label3, Label4}) {
        staal->setFocusPolicy(Qt::NoFocus);
        staal->setCursor(Qt::PointingHandCursor);
    }
    Label7 = NieuwLabel(paneel, QStringLiteral("Lijndikte : 2"), Links{150}, Boven{1290}, 2250, 225);
    Slider1 = Plaats(new QScrollBar(Qt::Horizontal, paneel), Links{150}, Boven{1560}, 2250, 255);
    Slider1->setRange(1, 10);
    Slider1->setPageStep(1);
    Slider1->setValue(2);
    ToonKleuren();
}

void LogoForm::MaakGereedschapKnoppen(QWidget* paneel)
{
    int L = 2640;
    int T = 225;
    for (int i = 0; i < 12; ++i) {
        auto* knop = Plaats(new QPushButton(paneel), Links{L}, Boven{T}, 645, i < 9 ? 645 : 615);
        knop->setIcon(GereedschapIcoon(i));
        knop->setIconSize(QSize(28, 28));
        knop->setCheckable(true);
        knop->setFocusPolicy(Qt::NoFocus);
        knop->setToolTip(QString::fromUtf8(kHints[i]));
        ZetKleur(knop, QPalette::Button, kKnopKleur);
        Knop[i] = knop;
        L += 645;
        if (L > 4500) {
            L = 2640;
            T += 645;
        }
    }
}

void LogoForm::MaakTekstPaneel(QWidget* paneel)
{
    Frame3 = NieuwFrame(paneel, Links{4710}, Boven{150}, 3000, 2640);
    Text1 = Plaats(new QLineEdit(QStringLiteral("Plaats hier uw tekst..."), Frame3), Links{90}, Boven{120}, 2820, 345);
    Label8 = NieuwLabel(Frame3, QStringLiteral("Lettertype"), Links{90}, Boven{555}, 1500, 225);
    ListFonts = Plaats(new QComboBox(Frame3), Links{90}, Boven{795}, 1860, 345);
    ListFonts->setEditable(true);
    ListFonts->setInsertPolicy(QComboBox::NoInsert);
    ListFonts->setCurrentText(QStringLiteral("Arial"));  // the font list itself is filled once the window shows
    Label5 = NieuwLabel(Frame3, QStringLiteral("Grootte"), Links{2040}, Boven{555}, 870, 225);
    ComboSize = Plaats(new QComboBox(Frame3), Links{2040}, Boven{795}, 870, 345);
    ComboSize->setEditable(true);
    ComboSize->setInsertPolicy(QComboBox::NoInsert);
    // A size typed is used as typed: the list would complete a "7" to "70".
    ComboSize->setCompleter(nullptr);
    for (int grootte = 8; grootte <= 100; grootte += 2)
        ComboSize->addItem(QString::number(grootte));
    ComboSize->setCurrentText(QStringLiteral("12"));
    for (QWidget* invoer : {static_cast<QWidget*>(Text1), static_cast<QWidget*>(ListFonts),
                            static_cast<QWidget*>(ComboSize)})
        ZetVakKleur(invoer, kTekstvakKleur);

    CheckBold = Plaats(new QCheckBox(QStringLiteral("Bold"), Frame3), Links{90}, Boven{1230}, 1000, 255);
    CheckItalic = Plaats(new QCheckBox(QStringLiteral("Italic"), Frame3), Links{1740}, Boven{1230}, 1170, 255);
    CheckOnderstreept =
        Plaats(new QCheckBox(QStringLiteral("Onderstreept"), Frame3), Links{90}, Boven{1500}, 1560, 255);
    Check2 = Plaats(new QCheckBox(QStringLiteral("Schaduw"), Frame3), Links{1740}, Boven{1500}, 1170, 255);
    Check1 = Plaats(new QCheckBox(QStringLiteral("Rand om tekst"), Frame3), Links{90}, Boven{1770}, 1950, 255);
    PlaatsKnop = Plaats(new QPushButton(QStringLiteral("Plaats tekst"), Frame3), Links{90}, Boven{2100}, 2820, 420);
    PlaatsKnop->setAutoDefault(false);
}

void LogoForm::KleurSchemaToepassen()
{
    const QColor schema = SchemaKleur(factuur);
    for (QWidget* w : std::initializer_list<QWidget*>{this, Frame1, Frame2, Frame3, CheckBold, CheckItalic,
                                                      CheckOnderstreept, Check1, Check2})
        ZetAchtergrond(w, schema);
}

void LogoForm::Koppel()
{
    for (int i = 0; i < 12; ++i)
        connect(Knop[i], &QPushButton::clicked, this, [this, i] { Knop_Click(i); });
    connect(Label3, &QPushButton::clicked, this, &LogoForm::Label3_Click);
    connect(Label4, &QPushButton::clicked, this, &LogoForm::Label4_Click);
    connect(Slider1, &QScrollBar::valueChanged, this, &LogoForm::Slider1_Change);
    connect(PlaatsKnop, &QPushButton::clicked, this, &LogoForm::PlaatsKnop_Click);
    connect(List1, &QListWidget::itemDoubleClicked, this, &LogoForm::List1_DblClick);
    connect(CancelKnop, &QPushButton::clicked, this, &LogoForm::CancelKnop_Click);
    connect(Voorkant, &LogoCanvas::coordinaten, this, [this](int x, int y) {
        InfoLabel->setText(QStringLiteral("Coordinaten : X = %1, Y = %2").arg(x).arg(y));
    });
    connect(Voorkant, &LogoCanvas::kleurGekozen, this, &LogoForm::ToonKleuren);
    connect(Voorkant, &LogoCanvas::fotoGevraagd, this, &LogoForm::FotoLaden);
    connect(Voorkant, &LogoCanvas::tekstPlaatsen, this, [this](int cX, int cY) { MaakTekst(cX, cY, Text1->text()); });
}

void LogoForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!geactiveerd) {
        geactiveerd = true;
        QTimer::singleShot(0, this, &LogoForm::Form_Activate);
    }
}

void LogoForm::Form_Activate()
{
    const QPointer<LogoForm> zelf(this);
    platform::Wachten(0.2);  // lets the window paint first
    if (!zelf)
        return;
    ListFonts->clear();
    ListFonts->addItems(QFontDatabase::families());
    ListFonts->setCurrentText(QStringLiteral("Arial"));
    VulLogoLijst();
    if (const auto pad = LogoVanFactuur(factuur, programmaMap))
        if (const auto logo = platform::LaadPlaatje(*pad))
            Voorkant->ZetBeeld(*logo);
}

void LogoForm::Knop_Click(int index)
{
    Voorkant->KiesGereedschap(index + 1);
    InfoLabel->setText(QString::fromUtf8(kHints[index]));
    ToonGereedschap();
}

// The button of the chosen tool stays pressed; with no tool none is.
void LogoForm::ToonGereedschap()
{
    for (int i = 0; i < 12; ++i)
        Knop[i]->setChecked(Voorkant->Staat().Gereedschap == i + 1);
}

void LogoForm::ToonKleuren()
{
    const auto staal = [](QPushButton* knop, imaging::Kleur k) {
        const QString stijl = QStringLiteral("background-color: %1; border: 1px solid black;");
        knop->setStyleSheet(stijl.arg(QColorVan(k).name()));
    };
    staal(Label3, Voorkant->Staat().TekenKleur);
    staal(Label4, Voorkant->Staat().VulKleur);
}

void LogoForm::KiesKleurVoor(imaging::Kleur& kleur)
{
    if (const auto gekozen = KiesKleur(QColorVan(kleur))) {
        kleur = KleurVan(*gekozen);
        ToonKleuren();
    }
}

void LogoForm::Label3_Click()
{
    KiesKleurVoor(Voorkant->Staat().TekenKleur);
}

void LogoForm::Label4_Click()
{
    KiesKleurVoor(Voorkant->Staat().VulKleur);
}

void LogoForm::Slider1_Change()
{
    Label7->setText(QStringLiteral("Lijndikte : %1").arg(Slider1->value()));
    Voorkant->ZetLijndikte(Slider1->value());
}

void LogoForm::CancelKnop_Click()
{
    reject();
}
