#include "ui/dialogs/rekenmachine.h"

#include <QLocale>

namespace {

const QString kNul = QStringLiteral("0,");
constexpr QChar kKomma = QLatin1Char(',');
// The operation a key leaves pending, in the order of Rekenmachine::Toets.
constexpr Rekenmachine::Wacht kWachtNa[] = {Rekenmachine::Wacht::Plus, Rekenmachine::Wacht::Min,
                                            Rekenmachine::Wacht::Maal, Rekenmachine::Wacht::Deel,
                                            Rekenmachine::Wacht::Is};

}  // namespace

// What is shown, a computed result with an exponent included; a lone sign or
// comma is 0.
double Rekenmachine::DisplayWaarde() const
{
    QString metPunt = display_;
    metPunt.replace(kKomma, QLatin1Char('.'));
    bool gelezen = false;
    const double waarde = QLocale::c().toDouble(metPunt, &gelezen);
    return gelezen ? waarde : 0;
}

// A result as the number-to-text conversion writes it: up to 15 significant
// digits, an exponent for very large or small values, a decimal comma.
void Rekenmachine::ToonGetal(double getal)
{
    display_ = QString::number(getal, 'g', 15);
    display_.replace(QLatin1Char('.'), kKomma).replace(QLatin1Char('e'), QLatin1Char('E'));
}

void Rekenmachine::Cijfer(int cijfer)
{
    if (laatste_ != Invoer::Cijfers) {
        display_ = QString(kKomma);
        decimaalGetypt_ = false;
    }
    if (decimaalGetypt_)
        display_ += QString::number(cijfer);
    else
        display_.insert(display_.indexOf(kKomma), QString::number(cijfer));
    if (laatste_ == Invoer::Negatief)
        display_.prepend(QLatin1Char('-'));
    laatste_ = Invoer::Cijfers;
}

void Rekenmachine::Decimaal()
{
    if (laatste_ == Invoer::Negatief)
        display_ = QStringLiteral("-0,");
    else if (laatste_ != Invoer::Cijfers)
        display_ = kNul;
    decimaalGetypt_ = true;
    laatste_ = Invoer::Cijfers;
}

bool Rekenmachine::Bewerking(Toets toets)
{
    bool gelukt = true;
    if (laatste_ == Invoer::Cijfers)
        ++operanden_;
    if (operanden_ == 0) {
        if (toets == Toets::Min && laatste_ != Invoer::Negatief) {
            display_.prepend(QLatin1Char('-'));
            laatste_ = Invoer::Negatief;
        }
    } else if (operanden_ == 1) {
        op1_ = DisplayWaarde();
        if (toets == Toets::Min && laatste_ != Invoer::Cijfers && wacht_ != Wacht::Is) {
            display_ = QStringLiteral("-");
            laatste_ = Invoer::Negatief;
        }
    } else if (operanden_ == 2) {
        op2_ = DisplayWaarde();
        gelukt = Reken();
        ToonGetal(op1_);
        operanden_ = 1;
    }
    if (laatste_ != Invoer::Negatief) {
        laatste_ = Invoer::Bewerking;
        wacht_ = kWachtNa[static_cast<int>(toets)];
    }
    return gelukt;
}

bool Rekenmachine::Reken()
{
    switch (wacht_) {
    case Wacht::Plus:
        op1_ += op2_;
        break;
    case Wacht::Min:
        op1_ -= op2_;
        break;
    case Wacht::Maal:
    case Wacht::Procent:
        op1_ *= op2_;
        break;
    case Wacht::Deel:
        if (op2_ == 0)
            return false;
        op1_ /= op2_;
        break;
    case Wacht::Is:
        op1_ = op2_;
        break;
    case Wacht::Geen:
        break;
    }
    return true;
}

void Rekenmachine::Procent()
{
    ToonGetal(DisplayWaarde() / 100);
    laatste_ = Invoer::Procent;
    wacht_ = Wacht::Procent;
    ++operanden_;
    decimaalGetypt_ = true;
}

void Rekenmachine::Wis()
{
    *this = Rekenmachine();
}

void Rekenmachine::WisInvoer()
{
    display_ = kNul;
    decimaalGetypt_ = false;
    laatste_ = Invoer::Gewist;
}

void Rekenmachine::WisCijfer()
{
    if (laatste_ != Invoer::Cijfers)
        return;
    if (decimaalGetypt_) {
        // The comma typed goes back to the one a whole number ends in.
        if (display_.endsWith(kKomma))
            decimaalGetypt_ = false;
        else
            display_.chop(1);
        return;
    }
    display_.remove(display_.indexOf(kKomma) - 1, 1);
    if (display_ == QString(kKomma) || display_ == QStringLiteral("-,"))
        WisInvoer();
}
