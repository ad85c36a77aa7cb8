// The main window's colour palette, help text and web links.

#include "ui/main/help_text.h"
#include "ui/main/main_window.h"
#include "ui/main/palette.h"

#include "platform/shell.h"
#include "ui/common/plaatsing.h"

#include <QAction>

namespace {

// The palette opens this far right of and below the main window's corner.
const QPoint kPaletAfstand(Px(1200), Px(600));

}  // namespace

void Main::KoppelKleurenEnHelp()
{
    connect(ToolsColorsWijzigen, &QAction::triggered, this, &Main::ToolsColorsWijzigen_Click);
    connect(HelpHelp, &QAction::triggered, this, &Main::HelpHelp_Click);
    connect(HelpLabel, &PaginaLabel::dubbelKlik, this, &Main::HelpLabel_DblClick);
    connect(HelpMeerSoftware, &QAction::triggered, this, &Main::HelpMeerSoftware_Click);
    connect(HelpOrbano, &QAction::triggered, this, &Main::HelpOrbano_Click);
}

void Main::ToolsColorsWijzigen_Click()
{
    Kleuren palet(*this, factuur);
    palet.move(frameGeometry().topLeft() + kPaletAfstand);
    palet.exec();
}

void Main::HelpHelp_Click()
{
    if (!HelpLabel->isHidden()) {
        HelpLabel_DblClick();
        return;
    }
    Pic->hide();
    HelpLabel->ToonTekst(Handleiding());
    HelpLabel->show();
    HelpHelp->setChecked(true);
}

void Main::HelpLabel_DblClick()
{
    HelpLabel->hide();
    Pic->show();
    HelpHelp->setChecked(false);
}

void Main::HelpMeerSoftware_Click()
{
    platform::OpenMetShell(kMeerSoftwareAdres);
}

void Main::HelpOrbano_Click()
{
    platform::OpenMetShell(kOrbanoAdres);
}
