#include "app/wiring.h"

#include "logo/logo_form.h"
#include "ui/main/main_window.h"

#include <QAction>

void KoppelLogo(Omgeving& o)
{
    Main& main = o.main;
    const Factuur& f = o.factuur;
    platform::Prompts& prompts = o.prompts;
    const QString map = o.programmaMap;
    QObject::connect(main.ToolsLogoDesign, &QAction::triggered, &main,
                     [&main, &f, &prompts, map] { LogoForm(f, prompts, map, &main).exec(); });
    main.ToolsLogoDesign->setEnabled(true);
}
