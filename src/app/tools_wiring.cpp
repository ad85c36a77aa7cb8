#include "app/wiring.h"

#include "background/transparant.h"
#include "logo/logo_form.h"
#include "ui/main/main_window.h"

#include <QAction>

namespace {

// The designer opens modal over the main window, on the invoice as it stands.
template <typename Ontwerper>
void KoppelOntwerper(Omgeving& o, QAction* actie)
{
    Main& main = o.main;
    const Factuur& f = o.factuur;
    platform::Prompts& prompts = o.prompts;
    const QString map = o.programmaMap;
    QObject::connect(actie, &QAction::triggered, &main,
                     [&main, &f, &prompts, map] { Ontwerper(f, prompts, map, &main).exec(); });
    actie->setEnabled(true);
}

}  // namespace

void KoppelAchtergrond(Omgeving& o)
{
    KoppelOntwerper<Transparant>(o, o.main.ToolsAchtergrond);
}

void KoppelLogo(Omgeving& o)
{
    KoppelOntwerper<LogoForm>(o, o.main.ToolsLogoDesign);
}
