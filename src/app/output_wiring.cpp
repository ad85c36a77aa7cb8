#include "app/wiring.h"

#include "app/efactuur_export.h"
#include "invoice/factuur.h"
#include "invoice/wettelijke_regels.h"
#include "output/afdrukken.h"
#include "output/factuur_naar_pdf.h"
#include "output/pdf_export.h"
#include "platform/opslaan.h"
#include "platform/printer_surface.h"
#include "platform/prompts.h"
#include "platform/shell.h"
#include "ui/common/bezige_muis.h"
#include "ui/dialogs/klantgegevens_form.h"
#include "ui/dialogs/printer_instellen.h"
#include "ui/main/main_window.h"

#include <QAction>

namespace {

// Lives as long as the main window: the printer set-up holds and the amount
// position carries over from one print to the next. Each job gets a printer
// of its own, so nothing of the one before carries over into it.
class Uitvoer : public QObject {
public:
    explicit Uitvoer(Omgeving& omgeving) : QObject(&omgeving.main), o(omgeving) {}

    void NaarPrinter()
    {
        if (!MagDeDeurUit(QStringLiteral(" Naar Printer")))
            return;
        o.main.VulAdresLijst(1);
        o.main.VulAdresLijst(2);
        platform::PrinterSurface surface(printerKeuze);
        BezigeMuis bezig;   // while the page is drawn
        afdrukken.FactuurAfdrukken(o.factuur, surface, {o.main.List1, o.main.List2, o.programmaMap}, o.prompts);
    }

    // The document's title is the name as typed, whatever the case of the file it replaces.
    void NaarPdf()
    {
        const platform::Opslag opslag = PdfOpslag(o.programmaMap, o.factuur.FactuurDatum.value_or(QString()));
        if (!MagDeDeurUit(opslag.titel))
            return;
        const auto pad = platform::Opslaan(o.prompts, opslag, [this](const QString& tijdelijk, const QString& naam) {
            return FactuurNaarPdf(o.factuur, tijdelijk, naam, Bronnen());
        });
        if (pad)
            platform::OpenMetShell(*pad);
    }

    void NaarEfactuur()
    {
        ::NaarEfactuur(o.factuur, Bronnen(), o.programmaMap, o.prompts,
                     [this](const Klantgegevens& voorstel) -> std::optional<Klantgegevens> {
                         KlantgegevensForm dialoog(o.main, o.factuur, voorstel, o.prompts, &o.main);
                         if (dialoog.exec() != QDialog::Accepted)
                             return std::nullopt;
                         return dialoog.Gegevens();
                     });
        o.main.ToonWettelijkeRegels();   // the buyer's btw-nummer may be new
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
