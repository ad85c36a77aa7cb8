#pragma once

#include <QString>

// The calculator's working, without a window: keys in, the display out.
// The display shows an entry as typed with a decimal comma; an entry without
// decimals ends in the comma ("0," is zero).
class Rekenmachine {
public:
    enum class Toets { Plus, Min, Maal, Deel, Is };
    // The operation waiting for its second operand.
    enum class Wacht { Geen, Plus, Min, Maal, Deel, Is, Procent };

    const QString& Display() const { return display_; }

    void Cijfer(int cijfer);
    void Decimaal();
    // False when a division by zero was refused; the first operand stays.
    bool Bewerking(Toets toets);
    void Procent();
    void Wis();          // "C"
    void WisInvoer();    // "CE"
    // Takes back the last digit or comma typed; an entry with nothing left
    // is cleared as by "CE". Outside an entry (a result) it does nothing.
    void WisCijfer();

private:
    enum class Invoer { Geen, Cijfers, Bewerking, Negatief, Gewist, Procent };

    double DisplayWaarde() const;
    void ToonGetal(double getal);
    bool Reken();

    QString display_ = QStringLiteral("0,");
    double op1_ = 0;
    double op2_ = 0;
    bool decimaalGetypt_ = false;
    int operanden_ = 0;
    Invoer laatste_ = Invoer::Geen;
    Wacht wacht_ = Wacht::Geen;
};
