// Putting content on the canvas besides the tools: a line of text placed by
// a click, and a picture file stretched into a dragged rectangle.

#include "logo/logo_form.h"

#include "platform/pictures.h"
#include "ui/common/bezige_muis.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

// The third, greyed state of a check box counts as ticked too.
bool Aangevinkt(const QCheckBox* box)
{
    return box->checkState() != Qt::Unchecked;
}

}  // namespace

TekstOpmaak LogoForm::Opmaak() const
{
    TekstOpmaak opmaak;
    opmaak.lettertype = ListFonts->currentText();
    opmaak.grootte = LetterGrootte(ComboSize->currentText()).value_or(opmaak.grootte);
    opmaak.vet = Aangevinkt(CheckBold);
    opmaak.schuin = Aangevinkt(CheckItalic);
    opmaak.onderstreept = Aangevinkt(CheckOnderstreept);
    opmaak.rand = Aangevinkt(Check1);
    opmaak.schaduw = Aangevinkt(Check2);
    opmaak.tekenKleur = Voorkant->Staat().TekenKleur;
    opmaak.vulKleur = Voorkant->Staat().VulKleur;
    return opmaak;
}

void LogoForm::PlaatsKnop_Click()
{
    if (Text1->text().trimmed().isEmpty())
        return;
    if (!LetterGrootte(ComboSize->currentText())) {
        InfoLabel->setText(QStringLiteral("Kies een lettergrootte in punten, bijvoorbeeld 12."));
        return;
    }
    Voorkant->MaakBackup();
    Voorkant->KiesGereedschap(0);
    ToonGereedschap();

    const TekstOpmaak opmaak = Opmaak();
    QFont font(opmaak.lettertype);
    font.setPointSizeF(opmaak.grootte);
    font.setBold(opmaak.vet);
    font.setItalic(opmaak.schuin);
    font.setUnderline(opmaak.onderstreept);
    QLabel* voorbeeld = Voorkant->Label12;
    voorbeeld->setFont(font);
    QPalette kleuren = voorbeeld->palette();
    kleuren.setColor(QPalette::WindowText, QColorVan(opmaak.vulKleur));
    voorbeeld->setPalette(kleuren);
    voorbeeld->setText(QLatin1Char(' ') + Text1->text());
    voorbeeld->adjustSize();
    voorbeeld->show();
    Voorkant->Staat().TekstPlaatsen = true;
    InfoLabel->setText(QStringLiteral("Klik op de linkermuisknop om de tekst te plaatsen..."));
}

void LogoForm::MaakTekst(int cX, int cY, const QString& Cs)
{
    ::MaakTekst(Voorkant->Vlak(), Opmaak(), cX, cY, Cs);
    Voorkant->Ververs();
    InfoLabel->setText(QStringLiteral("Informatie..."));
}

void LogoForm::FotoLaden(int x1, int y1, int x2, int y2)
{
    const QString pad = KiesFotoBestand();
    if (pad.isEmpty())
        return;
    Voorkant->MaakBackup();
    BezigeMuis bezig;
    // A file that is no picture leaves the canvas as it was.
    if (const auto foto = platform::LaadPlaatjeOpMaat(pad, QSize(x2 - x1, y2 - y1))) {
        const QSize maat = foto->eigenMaat;
        const QString naam = pad + QStringLiteral(" / %1 x %2 pixels").arg(maat.width()).arg(maat.height());
        NaamFoto->setText(naam.toLower().replace(QLatin1Char('&'), QStringLiteral("&&")));
        Voorkant->Vlak().paintPicture(foto->beeld, x1, y1, x2 - x1, y2 - y1);
        Voorkant->KiesGereedschap(0);
        ToonGereedschap();
        Voorkant->Ververs();
    }
}
