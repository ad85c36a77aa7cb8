#include "output/factuur_naar_pdf.h"

#include "invoice/algemeen.h"
#include "invoice/creditnota_regels.h"
#include "invoice/plaatjes.h"
#include "invoice/wettelijke_regels.h"
#include "output/betaal_qr.h"
#include "output/pdf_plaatjes.h"
#include "pdf/pdf_writer.h"
#include "platform/amount.h"

#include <QFile>

#include <exception>

namespace {

constexpr std::int32_t PdfKleur(int r, int g, int b)
{
    return r + 256 * g + 65536 * b;
}

constexpr std::int32_t kLinks = 1;
constexpr std::int32_t kRechts = 2;

std::string Utf8(const QString& tekst)
{
    return tekst.toStdString();
}

void Tekst(pdf::PdfWriter& w, float x, float y, const QString& tekst, const char* font, float grootte,
           std::int32_t uitlijning = kLinks)
{
    w.DrawText(x, y, Utf8(tekst), font, grootte, uitlijning);
}

void Lijn(pdf::PdfWriter& w, float x1, float y1, float x2, float y2)
{
    w.MoveTo(x1, y1);
    w.LineTo(x2, y2, 1);
}

void Lijst(pdf::PdfWriter& w, const QStringList& regels, float x, float y, float stap, float grootte)
{
    for (const QString& regel : regels) {
        Tekst(w, x, y, regel, "Fnt2", grootte);
        y -= stap;
    }
}

// Where the pictures stand on the page, in millimetres; a missing or
// unreadable file is simply not drawn.
constexpr QSizeF kLogoPlek(206, 43);

QSizeF AchtergrondPlek(int layout)
{
    return {150, layout == 2 ? 130.0 : 140.0};
}

bool LaadBeeld(pdf::PdfWriter& w, const char* naam, const std::optional<QString>& pad, QSizeF plek)
{
    return pad && PdfPlaatje(w, naam, *pad, plek);
}

void KoppenEnLijnen(pdf::PdfWriter& w, const PdfBronnen& b, int layout)
{
    w.SetColorFill(PdfKleur(50, 50, 50));
    Tekst(w, 5, 184, b.Kop[1], "Fnt2", 12);
    Tekst(w, 33, 184, b.Kop[2], "Fnt2", 12);
    Lijn(w, 5, 180, 205, 180);
    Lijn(w, 30, 180, 30, 22);
    Lijn(w, 180, 180, 180, 22);
    if (layout == 1) {
        Tekst(w, 179, 184, b.Kop[4], "Fnt2", 12, kRechts);
        Tekst(w, 154, 184, b.Kop[3], "Fnt2", 12, kRechts);
        Tekst(w, 205, 184, b.Kop[5], "Fnt2", 12, kRechts);
        Tekst(w, 113, 33, b.Kop[8], "Fnt2", 12);
        Tekst(w, 154, 33, b.Kop[10], "Fnt2", 11, kRechts);
        Tekst(w, 179, 33, b.Kop[11], "Fnt2", 11, kRechts);
        Tekst(w, 205, 33, b.Kop[12], "Fnt2", 11, kRechts);
        Lijn(w, 130, 180, 130, 22);
        Lijn(w, 155, 180, 155, 22);
    } else if (layout == 2) {
        Tekst(w, 163, 43, b.Kop[6], "Fnt2", 12);
        Tekst(w, 205, 43, b.Kop[10], "Fnt2", 11, kRechts);
        Tekst(w, 160, 33, b.Kop[7], "Fnt2", 12);
        Tekst(w, 205, 33, b.Kop[11], "Fnt2", 11, kRechts);
        Tekst(w, 165, 23, b.Kop[8], "Fnt2", 12);
        Tekst(w, 205, 23, b.Kop[12], "Fnt2", 11, kRechts);
        Tekst(w, 205, 184, b.Kop[5], "Fnt2", 12, kRechts);
        Lijn(w, 5, 50, 205, 50);
    }
    Lijn(w, 5, 40, 205, 40);
    Lijn(w, 5, 30, 205, 30);
}

RegelBedrag RegelBedragen(const Factuur& f, int i)
{
    return BerekenRegel(f.Prijs[i], f.BtwProcent);
}

// The lines, column by column.
void Regels(pdf::PdfWriter& w, Factuur& f)
{
    w.SetColorFill(PdfKleur(60, 60, 60));
    auto y = [](int i) { return 175.0f - 5.0f * i; };
    for (int i = 0; i < Factuur::kRegels; ++i)
        Tekst(w, 5, y(i), f.Aantal[i], "Fnt1", 11);
    for (int i = 0; i < Factuur::kRegels; ++i)
        Tekst(w, 33, y(i), f.Omschrijving[i], "Fnt1", 11);
    for (int i = 0; i < Factuur::kRegels; ++i) {
        f.Prijs[i].replace('.', ',');
        Tekst(w, f.LayoutNr == 1 ? 153 : 205, y(i), f.Prijs[i], "Fnt1", 11, kRechts);
    }
    if (f.LayoutNr != 1)
        return;
    for (int i = 0; i < Factuur::kRegels; ++i)
        if (const platform::Bedrag btw = RegelBedragen(f, i).btw; !btw.IsNul())
            Tekst(w, 178, y(i), platform::FormatBedrag(btw), "Fnt1", 11, kRechts);
    for (int i = 0; i < Factuur::kRegels; ++i)
        if (const platform::Bedrag totaal = RegelBedragen(f, i).totaal; !totaal.IsNul())
            Tekst(w, 205, y(i), platform::FormatBedrag(totaal), "Fnt1", 11, kRechts);
}

// Under the totals, between the rules of the description column; the
// seller's line under the footer.
void WettelijkeRegels(pdf::PdfWriter& w, const Factuur& f, const PdfBronnen& b)
{
    const QStringList geval = BtwGevalRegels(f, KoperBtwNummer(f, b.programmaMap));
    if ((f.LayoutNr == 1 || f.LayoutNr == 2) && !geval.isEmpty()) {
        w.SetColorFill(PdfKleur(0, 0, 0));
        for (int i = 0; i < geval.size(); ++i)
            Tekst(w, 33, 26.5f - 4 * i, geval[i], "Fnt1", 9);
    }
    if (const auto verkoper = VerkopersRegel(f.Bedrijf)) {
        w.SetColorFill(PdfKleur(60, 60, 60));
        Tekst(w, 5, 5, *verkoper, "Fnt1", 9);
    }
}

// Between the logo, which ends at 252 mm, and the address, whose first line
// stands at 230; right of where the sender's lines reach.
void CreditnotaKop(pdf::PdfWriter& w, const Factuur& f)
{
    const QStringList regels = CreditnotaRegels(f);
    if (regels.isEmpty())
        return;
    w.SetColorFill(PdfKleur(40, 40, 40));
    Tekst(w, 100, 245.5f, regels[0], "Fnt2", 14);
    Tekst(w, 100, 239.5f, regels[1], "Fnt1", 11);
}

void Pagina(pdf::PdfWriter& w, Factuur& f, const PdfBronnen& b)
{
    w.LoadFont("Fnt1", "Arial", 1);
    w.LoadFont("Fnt2", "Arial", 2);
    const bool logo = LaadBeeld(w, "Img1", LogoVanFactuur(f, b.programmaMap), kLogoPlek);
    const QSizeF achtergrondPlek = AchtergrondPlek(f.LayoutNr);
    const bool achtergrond = LaadBeeld(w, "Img2", AchtergrondVanFactuur(f, b.programmaMap), achtergrondPlek);
    w.StartPage();
    if (logo)
        w.DrawImg("Img1", 2, 295, kLogoPlek.width(), kLogoPlek.height());
    if (achtergrond)
        w.DrawImg("Img2", 30, 180, achtergrondPlek.width(), achtergrondPlek.height());

    w.SetColorFill(PdfKleur(120, 120, 120));
    Lijst(w, b.afzender, 15, 240, 5, 12);
    Tekst(w, 15, 204, QStringLiteral("Factuurnr.          : ") + f.FactuurNummer, "Fnt2", 12);
    Tekst(w, 15, 199, QStringLiteral("Factuurdatum    : ") + f.FactuurDatum.value_or(QString()), "Fnt2", 12);
    w.SetColorFill(PdfKleur(40, 40, 40));
    Lijst(w, b.adres, 100, 230, 6, 14);
    CreditnotaKop(w, f);

    KoppenEnLijnen(w, b, f.LayoutNr);
    Regels(w, f);
    Tekst(w, 5, 15, f.VoetTekst[1], "Fnt1", 11);
    Tekst(w, 5, 10, f.VoetTekst[2], "Fnt1", 11);
    WettelijkeRegels(w, f, b);
    TekenBetaalQr(w, f);
    w.EndPage();
}

// The writer set up for the page: A4 in millimetres, titled and dated.
void ZetOp(pdf::PdfWriter& w, const QString& titel, std::time_t moment)
{
    w.Title(Utf8(titel));
    w.CreationTime(moment);
    w.ScaleMode(3);
    w.PaperSize(0);
    w.Margin(0);
    w.Orientation(1);
}

}  // namespace

std::optional<QByteArray> FactuurPdf(Factuur& f, const QString& titel, const PdfBronnen& bronnen, std::time_t moment)
{
    try {
        pdf::PdfWriter w;
        ZetOp(w, titel, moment);
        w.InitPDFInMemory();
        Pagina(w, f, bronnen);
        w.ClosePDFFile();
        const std::string bytes = w.TakeDocument();
        return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

bool FactuurNaarPdf(Factuur& f, const QString& pad, const QString& titel, const PdfBronnen& bronnen,
                    std::time_t moment)
{
    // Straight into the file: the pictures need no copy of the whole document in memory.
    try {
        pdf::PdfWriter w;
        ZetOp(w, titel, moment);
        w.InitPDFFile(QFile::encodeName(pad).toStdString());
        Pagina(w, f, bronnen);
        w.ClosePDFFile();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
