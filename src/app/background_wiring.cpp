#include "app/wiring.h"

#include "background/transparant.h"
#include "ui/main/main_window.h"

#include <QAction>

void KoppelAchtergrond(Omgeving& o)
{
    Main& main = o.main;
    const Factuur& f = o.factuur;
    platform::Prompts& prompts = o.prompts;
    const QString map = o.programmaMap;
    QObject::connect(main.ToolsAchtergrond, &QAction::triggered, &main,
                     [&main, &f, &prompts, map] { Transparant(f, prompts, map, &main).exec(); });
    main.ToolsAchtergrond->setEnabled(true);
}
