#include "app/wiring.h"

#include "ui/dialogs/mijndata.h"
#include "ui/main/main_window.h"

void KoppelMijndata(Omgeving& o)
{
    Main& main = o.main;
    Factuur& f = o.factuur;
    platform::Prompts& prompts = o.prompts;
    const QString map = o.programmaMap;
    QObject::connect(&main, &Main::mijndataGevraagd, &main,
                     [&main, &f, &prompts, map] { Mijndata(main, f, prompts, map, &main).exec(); });
}
