#include "app/wiring.h"

#include "invoice/invoice_file.h"
#include "ui/dialogs/bottomform.h"
#include "ui/dialogs/calculator.h"
#include "ui/dialogs/omschrijf.h"
#include "ui/dialogs/openfac.h"
#include "ui/dialogs/titelform.h"
#include "ui/main/main_window.h"

#include <QAction>

void KoppelFactuurInvoer(Omgeving& o)
{
    Main& main = o.main;
    Factuur& f = o.factuur;
    platform::Prompts& prompts = o.prompts;
    const QString map = o.programmaMap;

    QObject::connect(&main, &Main::omschrijvingGevraagd, &main,
                     [&main, &f, &prompts] { Omschrijf(main, f, prompts, &main).exec(); });
    QObject::connect(&main, &Main::kopGevraagd, &main, [&main, &f] { Titelform(main, f, &main).exec(); });
    QObject::connect(&main, &Main::voettekstGevraagd, &main, [&main, &f] { BottomForm(main, f, &main).exec(); });

    QObject::connect(main.FileNieuw, &QAction::triggered, &main,
                     [&main, &f, &prompts] { FileNieuw_Click(main, f, prompts); });
    QObject::connect(main.FileLoad, &QAction::triggered, &main,
                     [&main, &f, &prompts, map] { Openfac(main, f, prompts, map, &main).exec(); });
    QObject::connect(main.FileSave, &QAction::triggered, &main,
                     [&main, &f, &prompts, map] {
                         if (SaveFactuur(f, prompts, map))
                             main.VolgRegels();   // a line without a description is gone from the invoice
                     });
    QObject::connect(main.ToolsCalc, &QAction::triggered, &main,
                     [&main, &prompts] { Calculator(prompts, &main).exec(); });
    for (QAction* a : {main.FileNieuw, main.FileLoad, main.FileSave, main.ToolsCalc})
        a->setEnabled(true);
}
