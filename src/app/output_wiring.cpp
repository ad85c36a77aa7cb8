#include "app/wiring.h"

#include "app/efactuur_export.h"
#include "boek/uitgeven.h"
#include "invoice/factuur.h"
#include "invoice/customer_file.h"
#include "invoice/wettelijke_regels.h"
#include "output/afdrukken.h"
#include "output/factuur_naar_pdf.h"
#include "output/pdf_export.h"
#include "platform/files.h"
#include "platform/opslaan.h"
#include "platform/printer_surface.h"
#include "platform/prompts.h"
#include "platform/shell.h"
#include "ui/common/bezige_muis.h"
#include "ui/dialogs/klantgegevens_form.h"
#include "ui/dialogs/printer_instellen.h"
#include "ui/main/main_window.h"

#include <QAction>
#include <QDateTime>

namespace {

// Lives as long as the main window: the printer set-up holds and the amount
// position carries over from one print to the next. Each job gets a printer
// of its own, so nothing of the one before carries over into it.
class Uitvoer : public QObject {
public:
    explicit Uitvoer(Omgeving& omgeving) : QObject(&omgeving.main), o(omgeving) {}

    void NaarPrinter()
    {
        if (!MagDeDeurUit(QStringLiteral(" Naar Printer")) || !MagUit())
            return;
        o.main.VulAdresLijst(1);
        o.main.VulAdresLijst(2);
        platform::PrinterSurface surface(printerKeuze);
        BezigeMuis bezig;   // while the page is drawn
        if (afdrukken.FactuurAfdrukken(o.factuur, surface, {o.main.List1, o.main.List2, o.programmaMap}, o.prompts))
            LegVast(Klant(), {}, {}, QStringLiteral("Printer"));
    }

    // The document's title is the name as typed, whatever the case of the file it replaces.
    void NaarPdf()
    {
        const platform::Opslag opslag = PdfOpslag(o.programmaMap, o.factuur.FactuurDatum.value_or(QString()));
        if (!MagDeDeurUit(opslag.titel) || !MagUit())
            return;
        const auto pad = platform::Opslaan(o.prompts, opslag, [this](const QString& tijdelijk, const QString& naam) {
            return FactuurNaarPdf(o.factuur, tijdelijk, naam, Bronnen());
        });
        if (!pad)
            return;
        LegVast(Klant(), platform::LeesBestand(*pad, kGrootsteKopie).value_or(QByteArray()), {}, *pad);
        platform::OpenMetShell(*pad);
    }

    void NaarEfactuur()
    {
        if (!MagUit())
            return;
        Klantgegevens klant;
        QString pad;
        const bool geschreven = ::NaarEfactuur(
            o.factuur, Bronnen(), o.programmaMap, o.prompts,
            [this, &klant](const Klantgegevens& voorstel) -> std::optional<Klantgegevens> {
                KlantgegevensForm dialoog(o.main, o.factuur, voorstel, o.prompts, &o.main);
                if (dialoog.exec() != QDialog::Accepted)
                    return std::nullopt;
                klant = dialoog.Gegevens();
                return klant;
            },
            std::time(nullptr), &pad);
        o.main.ToonWettelijkeRegels();   // the buyer's btw-nummer may be new
        if (geschreven)
            LegVast(klant, {}, platform::LeesBestand(pad, kGrootsteKopie).value_or(QByteArray()), pad);
    }

    void Envelop()
    {
        o.main.VulAdresLijst(2);
        platform::PrinterSurface surface(printerKeuze);
        afdrukken.EnvelopAfdrukken(surface, o.main.List2, o.prompts);
    }

    void PrinterInstellen()
    {
        ::PrinterInstellen dialoog(printerKeuze, &o.main);
        if (dialoog.exec() == QDialog::Accepted)  // a cancel keeps the set-up as it was
            printerKeuze = dialoog.Keuze();
    }

private:
    // An invoice that lacks what the law asks of its VAT case is not printed
    // or exported; the user is told what is missing.
    bool MagDeDeurUit(const QString& titel)
    {
        const auto fout = OntbrekendVoorBtwGeval(o.factuur, KoperBtwNummer(o.factuur, o.programmaMap));
        if (fout)
            o.prompts.Melding(titel, *fout);
        return !fout;
    }

    // A page with its pictures, or an e-invoice carrying one, stays well below this.
    static constexpr qint64 kGrootsteKopie = 64 * 1024 * 1024;

    Klantgegevens Klant() const { return KlantVoorstel(o.factuur, o.programmaMap).gegevens; }

    // Before the output: a number issued before with another page is asked about.
    bool MagUit()
    {
        return MagUitgeven(o.boek, UitgifteVan(o.factuur, Klant(), QDateTime::currentDateTime()), o.prompts);
    }

    // After the output: the book records it with the page as a PDF, made
    // here when the output made none, from a copy, so the invoice keeps the
    // prices as the output left them.
    void LegVast(const Klantgegevens& klant, QByteArray pdf, const QByteArray& ubl, const QString& gemaakt)
    {
        const QDateTime moment = QDateTime::currentDateTime();
        if (pdf.isEmpty()) {
            Factuur kopie = o.factuur;
            pdf = FactuurPdf(kopie, o.factuur.FactuurNummer, Bronnen(), moment.toSecsSinceEpoch()).value_or(QByteArray());
        }
        LegUitgifteVast(o.boek, UitgifteVan(o.factuur, klant, moment), {pdf, ubl, gemaakt}, o.prompts);
    }

    // What the exported page takes from the main window, as the PDF and the
    // e-invoice both draw it.
    PdfBronnen Bronnen()
    {
        o.main.VulAdresLijst(1);
        o.main.VulAdresLijst(2);
        PdfBronnen bronnen{o.main.List1, o.main.List2, {}, o.programmaMap};
        for (int i = 1; i <= 12; ++i)
            if (o.main.Pic->Kop[i])
                bronnen.Kop[i] = o.main.Pic->Kop[i]->text();
        return bronnen;
    }

    Omgeving o;
    platform::PrinterKeuze printerKeuze;
    Afdrukken afdrukken;
};

}  // namespace

void KoppelUitvoer(Omgeving& omgeving)
{
    auto* uitvoer = new Uitvoer(omgeving);
    Main& m = omgeving.main;
    QObject::connect(m.FilePrintTo[1], &QAction::triggered, uitvoer, [uitvoer] { uitvoer->NaarPrinter(); });
    QObject::connect(m.FilePrintTo[2], &QAction::triggered, uitvoer, [uitvoer] { uitvoer->NaarPdf(); });
    QObject::connect(m.FileEfactuur, &QAction::triggered, uitvoer, [uitvoer] { uitvoer->NaarEfactuur(); });
    QObject::connect(m.FilePrintTo[4], &QAction::triggered, uitvoer, [uitvoer] { uitvoer->Envelop(); });
    QObject::connect(m.FileSetupPrinter, &QAction::triggered, uitvoer, [uitvoer] { uitvoer->PrinterInstellen(); });
    for (QAction* a : {m.FilePrintTo[1], m.FilePrintTo[2], m.FileEfactuur, m.FilePrintTo[4], m.FileSetupPrinter})
        a->setEnabled(true);
}
