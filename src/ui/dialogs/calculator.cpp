#include "ui/dialogs/calculator.h"

#include "platform/prompts.h"
#include "ui/common/pagina_font.h"
#include "ui/common/plaatsing.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The keys stand in a grid of five columns under the display.
constexpr int kToetsLinks = 105;
constexpr int kToetsBoven = 930;
constexpr int kKolomStap = 615;
constexpr int kRijStap = 510;
constexpr int kToetsBreedte = 555;
constexpr int kToetsHoogte = 465;

struct Plek {
    int rij;
    int kolom;
};
constexpr Plek kCijferPlek[10] = {{3, 0}, {2, 0}, {2, 1}, {2, 2}, {1, 0}, {1, 1}, {1, 2}, {0, 0}, {0, 1}, {0, 2}};
constexpr Plek kOperatorPlek[5] = {{3, 4}, {2, 3}, {1, 3}, {1, 4}, {3, 3}};
const QString kOperatorTekst[5] = {QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("X"),
                                   QStringLiteral("/"), QStringLiteral("=")};

}  // namespace

Calculator::Calculator(platform::Prompts& prompts, QWidget* parent) : QDialog(parent), prompts(prompts)
{
    setWindowTitle(QStringLiteral("Calculator"));
    setFont(PaginaFont(8));
    ZetVenstermaat(this, 3330, 3450);

    Text1 = new QLineEdit(this);
    Text1->setReadOnly(true);
    Text1->setAlignment(Qt::AlignRight);
    Text1->setToolTip(QStringLiteral(" Bedrag copyeren "));
    Text1->installEventFilter(this);
    Plaats(Text1, Links{105}, Boven{105}, 3015, 315);

    Readout = new QLabel(this);
    Readout->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Readout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Readout->setFont(PaginaFont(12));
    Plaats(Readout, Links{105}, Boven{480}, 3015, 375);

    for (int i = 0; i < 10; ++i) {
        const bool nul = i == 0;
        Number[i] = NieuweToets(QString::number(i), kCijferPlek[i].rij, kCijferPlek[i].kolom, nul ? 2 : 1);
        connect(Number[i], &QPushButton::clicked, this, [this, i] { Number_Click(i); });
    }
    for (int i = 0; i < 5; ++i) {
        Operator[i] = NieuweToets(kOperatorTekst[i], kOperatorPlek[i].rij, kOperatorPlek[i].kolom);
        connect(Operator[i], &QPushButton::clicked, this, [this, i] { Operator_Click(i); });
    }
    Decimal = NieuweToets(QStringLiteral(","), 3, 2);
    Percent = NieuweToets(QStringLiteral("%"), 2, 4);
    Cancel = NieuweToets(QStringLiteral("C"), 0, 3);
    CancelEntry = NieuweToets(QStringLiteral("CE"), 0, 4);
    connect(Decimal, &QPushButton::clicked, this, &Calculator::Decimal_Click);
    connect(Percent, &QPushButton::clicked, this, &Calculator::Percent_Click);
    connect(Cancel, &QPushButton::clicked, this, &Calculator::Cancel_Click);
    connect(CancelEntry, &QPushButton::clicked, this, &Calculator::CancelEntry_Click);
    Toon();
}

QPushButton* Calculator::NieuweToets(const QString& tekst, int rij, int kolom, int breedte)
{
    return NieuweKnop(this, tekst, Links{kToetsLinks + kolom * kKolomStap}, Boven{kToetsBoven + rij * kRijStap},
                      kToetsBreedte + (breedte - 1) * kKolomStap, kToetsHoogte);
}

// The keyboard presses the key it names; Escape is "C", so it clears
// instead of closing the window, and Backspace takes back the last digit.
void Calculator::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Backspace)
        Backspace_Click();
    else if (QPushButton* knop = ToetsVoor(*event))
        knop->click();
    else
        QDialog::keyPressEvent(event);
}

// The copy box, read-only as it is, would swallow Backspace, and the focus
// starts there.
bool Calculator::eventFilter(QObject* object, QEvent* event)
{
    if (object == Text1 && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Backspace) {
        Backspace_Click();
        return true;
    }
    return QDialog::eventFilter(object, event);
}

QPushButton* Calculator::ToetsVoor(const QKeyEvent& event) const
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Operator[4];
    case Qt::Key_Escape:
        return Cancel;
    default:
        break;
    }
    if (event.text().size() != 1)
        return nullptr;
    const QChar teken = event.text()[0];
    if (teken.isDigit() && teken.digitValue() >= 0 && teken.digitValue() <= 9)
        return Number[teken.digitValue()];
    if (teken == u',' || teken == u'.')   // the keypad's decimal key gives either
        return Decimal;
    if (teken == u'%')
        return Percent;
    const int bewerking = QStringLiteral("+-*/=").indexOf(teken);
    if (bewerking >= 0)
        return Operator[bewerking];
    if (teken == u'x' || teken == u'X')
        return Operator[2];
    return nullptr;
}

// The copy box always holds what the display shows.
void Calculator::Toon()
{
    Readout->setText(rekenmachine.Display());
    Text1->setText(rekenmachine.Display());
}

void Calculator::Number_Click(int index)
{
    rekenmachine.Cijfer(index);
    Toon();
}

void Calculator::Decimal_Click()
{
    rekenmachine.Decimaal();
    Toon();
}

void Calculator::Operator_Click(int index)
{
    if (!rekenmachine.Bewerking(static_cast<Rekenmachine::Toets>(index)))
        prompts.Melding(QStringLiteral("Calculator"), QStringLiteral("Can't divide by zero"));
    Toon();
}

void Calculator::Percent_Click()
{
    rekenmachine.Procent();
    Toon();
}

void Calculator::Cancel_Click()
{
    rekenmachine.Wis();
    Toon();
}

void Calculator::CancelEntry_Click()
{
    rekenmachine.WisInvoer();
    Toon();
}

void Calculator::Backspace_Click()
{
    rekenmachine.WisCijfer();
    Toon();
}
