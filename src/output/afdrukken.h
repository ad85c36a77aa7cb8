#pragma once

#include "invoice/factuur.h"

#include <QStringList>

namespace platform {
class Prompts;
class Surface;
}

// What the printed page needs besides the invoice: the sender's and the
// addressee's lines as the page preview shows them, and the program folder
// with the logo and background pictures.
struct AfdrukBronnen {
    QStringList afzender;
    QStringList adres;
    QString programmaMap;
};

// Printing on a drawing surface in twips. One instance lives as long as the
// program: the amount position carries over from one amount to the next and
// from one print to the next.
class Afdrukken {
public:
    // The invoice page. The totals are summed again while the lines are
    // printed and every price is stored with a point. When the printer fails
    // before the first picture, the user is told and nothing is sent. True
    // when the page went to the printer whole.
    bool FactuurAfdrukken(Factuur& f, platform::Surface& s, const AfdrukBronnen& bronnen, platform::Prompts& prompts);
    // The addressee on an envelope.
    void EnvelopAfdrukken(platform::Surface& s, const QStringList& adres, platform::Prompts& prompts);

    // Every character of an amount is taken to be 105 twips wide.
    void BedragPositie(int tekens, int verschuiving);
    int Bedragpositie() const { return bedragPositie_; }

private:
    void ProbeerAfdrukken(Factuur& f, platform::Surface& s, const AfdrukBronnen& bronnen, bool& meldFout);
    void DrukLayout(Factuur& f, platform::Surface& s, const AfdrukBronnen& bronnen, bool& meldFout);
    void DrukRegels(Factuur& f, platform::Surface& s, int layout);
    void DrukTotalen(const Factuur& f, platform::Surface& s, int layout);
    void DrukBtwGeval(const Factuur& f, platform::Surface& s, const AfdrukBronnen& bronnen);
    void DrukBedrag(platform::Surface& s, const QString& tekst, int verschuiving, int y);

    int bedragPositie_ = 0;
};

// The message when the printer cannot be reached.
extern const QString kGeenPrinter;
