#include "app/wiring.h"

#include "ui/dialogs/bedrijf_form.h"
#include "ui/dialogs/mijndata.h"
#include "ui/main/main_window.h"

void KoppelMijndata(Omgeving& o)
{
    QObject::connect(&o.main, &Main::mijndataGevraagd, &o.main,
                     [&main = o.main, &f = o.factuur, &prompts = o.prompts, map = o.programmaMap] {
                         Mijndata(main, f, prompts, map, &main).exec();
                     });
    QObject::connect(&o.main, &Main::bedrijfsgegevensGevraagd, &o.main,
                     [&main = o.main, &f = o.factuur, &prompts = o.prompts, map = o.programmaMap] {
                         BedrijfForm(main, f, prompts, map, &main).exec();
                     });
}
