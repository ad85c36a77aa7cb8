// The saved logos: listed, opened, started anew and saved.

#include "logo/logo_form.h"

#include "logo/logo_bestanden.h"
#include "platform/prompts.h"

#include <QLabel>
#include <QListWidget>

void LogoForm::VulLogoLijst()
{
    List1->clear();
    List1->addItems(LogoNamen(programmaMap));
}

// Opening is no change to undo: the undo picture stays what it was.
void LogoForm::List1_DblClick()
{
    const QListWidgetItem* gekozen = List1->currentItem();
    if (!gekozen)
        return;
    if (const auto logo = OpenLogo(programmaMap, gekozen->text()))
        Voorkant->ZetBeeld(*logo);
}

void LogoForm::FileNieuw_Click()
{
    if (!prompts.Vraag(QStringLiteral(" Nieuw"), QStringLiteral("Wilt u een nieuw logo ontwerpen?")))
        return;
    Voorkant->Wis();
    Voorkant->Herstel();
    ToonGereedschap();
}

void LogoForm::FileSave_Click()
{
    LogoOpslaan(Voorkant->Beeld(), programmaMap, prompts);
    VulLogoLijst();
}
