// The menu bar of the logo designer and the two menus that only choose:
// fill style and eraser size, each with its check mark.

#include "logo/logo_form.h"

#include <QMenu>
#include <QMenuBar>

namespace {

const char* const kConvertTitels[18] = {
    "Grayscale", "Negative", "Light",   "Dark",    "Sharpen", "Contrast", "Pixelize",  "Reliëf",      "Swap Colors",
    "Scattered", "Blur",     "Aquarel", "Defuse",  "Add noise", "Edge",   "Contour",   "Transparant", "Sepia",
};
constexpr int kContrastMenu = 5;
constexpr int kSwapMenu = 8;

const char* const kSwapTitels[6] = {
    "", "RGB --> BRG", "RGB --> GBR", "RGB --> RBG", "RGB --> BGR", "RGB --> GRB",
};

const char* const kFlipTitels[4] = {"Flip Horizontaal", "Flip Vertikaal", "Flip Rechts", "Flip Boven"};

const char* const kVulstijlen[8] = {
    "Solid Filling",     "", "Horizontal Lines", "Vertical Lines", "Upward Diagonal",
    "Downward Diagonal", "Cross", "Diagonal Cross",
};

constexpr int kGumMaten[] = {10, 15, 20, 25, 30};

QString Titel(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

}  // namespace

void LogoForm::MaakMenus()
{
    QMenu* file = Menu->addMenu(QStringLiteral("File"));
    FileNieuw = file->addAction(QStringLiteral("Nieuw"), this, &LogoForm::FileNieuw_Click);
    FileSave = file->addAction(QStringLiteral("Logo Opslaan"), this, &LogoForm::FileSave_Click);

    QMenu* edit = Menu->addMenu(QStringLiteral("Bewerken"));
    EditUndo = edit->addAction(QStringLiteral("Undo"), this, &LogoForm::EditUndo_Click);
    EditBewerken = edit->addMenu(QStringLiteral("Filters"));
    MaakFiltersMenu();
    EditKader = edit->addMenu(QStringLiteral("Kader"));
    for (int n = 1; n <= 5; ++n)
        Kader[n] = EditKader->addAction(QStringLiteral("%1 pixels").arg(n), this, [this, n] { Kader_Click(n); });
    MaakKeuzeMenus();
    edit->addMenu(EditVulstijl);
    edit->addMenu(EditGum);

    Vertstreep = Menu->addAction(QStringLiteral("|"));
    Vertstreep->setEnabled(false);
    NaamFoto = Menu->addAction(QStringLiteral("*.*"));
}

void LogoForm::MaakFiltersMenu()
{
    for (int i = 0; i < 18; ++i) {
        if (i == kContrastMenu || i == kSwapMenu) {
            QMenu* sub = EditBewerken->addMenu(Titel(kConvertTitels[i]));
            EditConvert[i] = sub->menuAction();
            continue;
        }
        EditConvert[i] = EditBewerken->addAction(Titel(kConvertTitels[i]), this, [this, i] { EditConvert_Click(i); });
    }
    QMenu* contrast = EditConvert[kContrastMenu]->menu();
    EditContrastConvert[1] = contrast->addAction(QStringLiteral("Positive"), this, [this] { EditContrastConvert_Click(1); });
    EditContrastConvert[2] = contrast->addAction(QStringLiteral("Negative"), this, [this] { EditContrastConvert_Click(2); });
    QMenu* swap = EditConvert[kSwapMenu]->menu();
    for (int m = 1; m <= 5; ++m)
        EditSwap[m] = swap->addAction(Titel(kSwapTitels[m]), this, [this, m] { EditSwap_Click(m); });
    EditBewerken->addSeparator();
    for (int i = 0; i < 4; ++i)
        EditFlipConvert[i] = EditBewerken->addAction(Titel(kFlipTitels[i]), this, [this, i] { EditFlipConvert_Click(i); });
}

void LogoForm::MaakKeuzeMenus()
{
    EditVulstijl = new QMenu(QStringLiteral("Vulstijl"), this);
    for (int i = 0; i < 8; ++i) {
        if (i == 1)
            continue;  // style 1, no fill, is not offered
        editfill[i] = EditVulstijl->addAction(Titel(kVulstijlen[i]), this, [this, i] { editfill_Click(i); });
        editfill[i]->setCheckable(true);
    }
    editfill[0]->setChecked(true);

    EditGum = new QMenu(QStringLiteral("Grootte Gum"), this);
    for (int maat : kGumMaten) {
        QAction* item = EditGum->addAction(QStringLiteral("%1 pixels").arg(maat), this, [this, maat] { EditGom_Click(maat); });
        item->setCheckable(true);
        EditGom[maat] = item;
    }
    EditGom[10]->setChecked(true);
}

void LogoForm::editfill_Click(int i)
{
    Voorkant->Staat().VulStijl = i;
    for (QAction* item : editfill)
        if (item)
            item->setChecked(item == editfill[i]);
}

void LogoForm::EditGom_Click(int i)
{
    for (auto& [maat, item] : EditGom)
        item->setChecked(maat == i);
    Voorkant->ZetGumGrootte(i);
}
