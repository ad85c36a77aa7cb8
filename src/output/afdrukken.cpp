#include "output/afdrukken.h"

#include "invoice/algemeen.h"
#include "invoice/creditnota_regels.h"
#include "invoice/plaatjes.h"
#include "invoice/prijs.h"
#include "invoice/wettelijke_regels.h"
#include "output/betaal_qr.h"
#include "platform/amount.h"
#include "platform/files.h"
#include "platform/pictures.h"
#include "platform/prompts.h"
#include "platform/surface.h"

#include <QApplication>

using platform::Surface;

const QString kGeenPrinter = QStringLiteral("Geen printer aangesloten...\r\nof de printer staat niet aan!");

namespace {

constexpr int kRechterRand = 11190;
constexpr int kTekenBreedte = 105;

const QColor kGrijs(120, 120, 120);

void Druk(Surface& s, double x, double y, const QString& tekst)
{
    s.setCurrent(x, y);
    s.print(tekst);
}

void DrukLijst(Surface& s, const QStringList& regels, double x, double y, double stap)
{
    for (const QString& regel : regels) {
        Druk(s, x, y, regel);
        y += stap;
    }
}

// The picture, stretched; a file that cannot be read is left out.
void DrukPlaatje(Surface& s, const std::optional<QString>& pad, double x, double y, double breedte, double hoogte)
{
    if (!pad)
        return;
    if (const auto plaatje = platform::LaadPlaatje(*pad))
        s.paintPicture(*plaatje, x, y, breedte, hoogte);
}

struct Kolomkop {
    int kop;
    int x;
};

void DrukKoppen(const Factuur& f, Surface& s, int layout)
{
    static const Kolomkop layout1[] = {{1, 150}, {2, 1350}, {3, 7785}, {4, 8895}, {5, 10155}};
    static const Kolomkop layout2[] = {{1, 90}, {2, 1350}, {5, 10455}};
    s.setFontSize(11);
    if (layout == 1)
        for (const Kolomkop& k : layout1)
            Druk(s, k.x, 5190, f.KopTekst[k.kop]);
    else
        for (const Kolomkop& k : layout2)
            Druk(s, k.x, 5190, f.KopTekst[k.kop]);
}

void DrukLijnen(Surface& s, int layout)
{
    const QColor kleur(150, 150, 150);
    const std::vector<int> horizontaal = layout == 1 ? std::vector<int>{5580, 13685, 14270}
                                                     : std::vector<int>{5580, 13100, 13685, 14270};
    const std::vector<int> verticaal = layout == 1 ? std::vector<int>{1215, 7530, 8805, 10080}
                                                   : std::vector<int>{1215, 10080};
    for (int y : horizontaal)
        s.filledBox(60, y, 11420, y + 15, kleur);
    for (int x : verticaal)
        s.filledBox(x, 5595, x + 15, 14750, kleur);
}

// Between the logo, which ends at 2280, and the address at 3180, in the
// address's column, right of where the sender's lines reach.
void DrukCreditnota(const Factuur& f, Surface& s)
{
    const QStringList regels = CreditnotaRegels(f);
    if (regels.isEmpty())
        return;
    s.setFontSize(14);
    Druk(s, 6000, 2400, regels[0]);
    s.setBold(false);
    s.setFontSize(11);
    Druk(s, 6000, 2790, regels[1]);
}

}  // namespace

void Afdrukken::BedragPositie(int tekens, int verschuiving)
{
    if (tekens >= 2 && tekens <= 12)
        bedragPositie_ = kRechterRand - kTekenBreedte * tekens + verschuiving;
}

void Afdrukken::DrukBedrag(Surface& s, const QString& tekst, int verschuiving, int y)
{
    BedragPositie(static_cast<int>(tekst.size()), verschuiving);
    Druk(s, bedragPositie_, y, tekst);
}

bool Afdrukken::FactuurAfdrukken(Factuur& f, Surface& s, const AfdrukBronnen& bronnen, platform::Prompts& prompts)
{
    bool meldFout = true;
    try {
        ProbeerAfdrukken(f, s, bronnen, meldFout);
    } catch (const platform::SurfaceFout&) {
        // A printer that fails once a picture was on its way is not reported.
        if (meldFout)
            prompts.Melding(QApplication::applicationName(), kGeenPrinter);
        return false;
    }
    return true;
}

void Afdrukken::ProbeerAfdrukken(Factuur& f, Surface& s, const AfdrukBronnen& bronnen, bool& meldFout)
{
    s.setUnit(Surface::Unit::Twips);
    s.setFontName(QStringLiteral("Arial"));
    s.setBold(true);
    s.setForeColor(QColor(80, 80, 80));
    f.TotaalExBtw = {};
    f.TotaalBtw = {};
    f.TotaalInclBtw = {};

    if (!f.LogoBestand.isEmpty()) {
        meldFout = false;
        DrukPlaatje(s, LogoVanFactuur(f, bronnen.programmaMap), 0, 0, 11190, 2280);
    }
    s.setFontSize(11);
    DrukLijst(s, bronnen.afzender, 300, 2400, 240);
    Druk(s, 300, 4290, QStringLiteral("Factuurnr.       : ") + f.FactuurNummer);
    Druk(s, 300, 4560, QStringLiteral("Factuurdatum : ") + f.FactuurDatum.value_or(QString()));
    DrukLijst(s, bronnen.adres, 6000, 3180, 270);
    DrukCreditnota(f, s);

    s.setForeColor(kGrijs);
    s.setBold(false);
    s.setFontSize(11);
    Druk(s, 90, 15200, f.VoetTekst[1]);
    Druk(s, 90, 15470, f.VoetTekst[2]);
    // Above the footer, below where the column rules end: a printer whose
    // printable area ends half an inch above the sheet's edge still prints it.
    if (const auto verkoper = VerkopersRegel(f.Bedrijf)) {
        s.setFontSize(9);
        Druk(s, 90, 14820, *verkoper);
    }

    if (f.LayoutNr == 1 || f.LayoutNr == 2)
        DrukLayout(f, s, bronnen, meldFout);
    meldFout = true;  // a page the printer does not take is always reported
    s.endDoc();
}

void Afdrukken::DrukLayout(Factuur& f, Surface& s, const AfdrukBronnen& bronnen, bool& meldFout)
{
    const int layout = f.LayoutNr;
    if (!f.AchtergrondBestand.isEmpty()) {
        meldFout = false;
        DrukPlaatje(s, AchtergrondVanFactuur(f, bronnen.programmaMap), 1260, 5610, 8790, layout == 1 ? 8070 : 7455);
    }
    DrukKoppen(f, s, layout);
    DrukLijnen(s, layout);
    DrukRegels(f, s, layout);
    DrukTotalen(f, s, layout);
    DrukBtwGeval(f, s, bronnen);
    DrukBetaalQr(f, s);   // its amount is the total just printed
}

// Under the totals row of layout 1, left of the stacked totals of layout 2,
// between the rules of the description column.
void Afdrukken::DrukBtwGeval(const Factuur& f, Surface& s, const AfdrukBronnen& bronnen)
{
    const QStringList regels = BtwGevalRegels(f, KoperBtwNummer(f, bronnen.programmaMap));
    if (regels.isEmpty())
        return;
    s.setBold(false);
    s.setFontSize(9);
    s.setForeColor(Qt::black);
    DrukLijst(s, regels, 1370, 14330, 210);
}

void Afdrukken::DrukRegels(Factuur& f, Surface& s, int layout)
{
    s.setFontSize(10);
    s.setForeColor(Qt::black);
    int y = 5700;
    for (int i = 0; i < Factuur::kRegels; ++i, y += 270) {
        f.Prijs[i] = PrijsMetPunt(f.Prijs[i]);
        Druk(s, 60, y, f.Aantal[i]);
        Druk(s, 1370, y, f.Omschrijving[i]);
        const RegelBedrag r = BerekenRegel(f.Prijs[i], f.BtwProcent);
        // The price keeps its own text; only its width comes from the amount.
        BedragPositie(static_cast<int>(platform::FormatBedrag(r.prijs).size()), layout == 1 ? -2460 : 30);
        Druk(s, bedragPositie_, y, QString(f.Prijs[i]).replace('.', ','));
        f.TotaalExBtw += r.prijs;
        f.TotaalBtw += r.btw;
        if (layout == 1 && !r.btw.IsNul())
            DrukBedrag(s, platform::FormatBedrag(r.btw), -1140, y);
        f.TotaalInclBtw += r.totaal;
        if (layout == 1 && !r.totaal.IsNul())
            DrukBedrag(s, platform::FormatBedrag(r.totaal), 0, y);
    }
}

void Afdrukken::DrukTotalen(const Factuur& f, Surface& s, int layout)
{
    s.setBold(true);
    s.setFontSize(10);
    if (layout == 1) {
        s.setForeColor(QColor(0, 40, 0));
        Druk(s, 6720, 13850, QStringLiteral("Totaal"));
        DrukBedrag(s, platform::FormatBedrag(f.TotaalExBtw), -2460, 13850);
        DrukBedrag(s, platform::FormatBedrag(f.TotaalBtw), -1140, 13850);
        DrukBedrag(s, platform::FormatBedrag(f.TotaalInclBtw), 0, 13850);
        return;
    }
    s.setForeColor(QColor(40, 0, 0));
    Druk(s, 9300, 13280, QStringLiteral("Totaal"));
    DrukBedrag(s, platform::FormatBedrag(f.TotaalExBtw), 0, 13280);
    Druk(s, 9090, 13880, QStringLiteral("Btw %1%").arg(f.BtwProcent));
    DrukBedrag(s, platform::FormatBedrag(f.TotaalBtw), 0, 13880);
    Druk(s, 9300, 14420, QStringLiteral("Totaal"));
    DrukBedrag(s, platform::FormatBedrag(f.TotaalInclBtw), 0, 14420);
}

void Afdrukken::EnvelopAfdrukken(Surface& s, const QStringList& adres, platform::Prompts& prompts)
{
    try {
        s.setUnit(Surface::Unit::Twips);
        s.setFontName(QStringLiteral("Arial"));
        s.setBold(true);
        s.setForeColor(Qt::black);
        s.setFontSize(12);
        DrukLijst(s, adres, 6000, 4500, 300);
        s.endDoc();
    } catch (const platform::SurfaceFout&) {
        prompts.Melding(QApplication::applicationName(), kGeenPrinter);
    }
}
