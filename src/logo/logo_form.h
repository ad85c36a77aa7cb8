#pragma once

// LogoForm, "Logo's Ontwerpen": the logo designer. The canvas Voorkant with
// its twelve tools, the colours, line width, fill style and eraser size, the
// text panel, the photo import, the list of saved logos, and the menus that
// save, undo and run the image filters on the canvas.

#include "imaging/filter_engine.h"
#include "logo/logo_canvas.h"
#include "logo/logo_tekst.h"

#include <QDialog>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollBar;
struct Factuur;

namespace platform {
class Prompts;
}

class LogoForm : public QDialog {
    Q_OBJECT
public:
    // Geometry in twips, 15 to a pixel.
    static constexpr int kBreedte = 10035;
    static constexpr int kHoogte = 6660;

    LogoForm(const Factuur& factuur, platform::Prompts& prompts, const QString& programmaMap,
             QWidget* parent = nullptr);

    // How the window asks for a picture file and a colour; nothing or an
    // empty name is a cancel.
    std::function<QString()> KiesFotoBestand;
    std::function<std::optional<QColor>(const QColor& huidig)> KiesKleur;

    LogoCanvas* Voorkant;
    std::array<QPushButton*, 12> Knop{};
    QLabel* InfoLabel;
    QLabel* Label10;
    QPushButton* Label3;  // the swatch of the draw colour
    QPushButton* Label4;  // the swatch of the fill colour
    QScrollBar* Slider1;
    QLabel* Label7;
    QLineEdit* Text1;
    QLabel* Label8;
    QComboBox* ListFonts;
    QLabel* Label5;
    QComboBox* ComboSize;
    QCheckBox* CheckBold;
    QCheckBox* CheckItalic;
    QCheckBox* CheckOnderstreept;
    QCheckBox* Check1;  // border around the text
    QCheckBox* Check2;  // shadow
    QPushButton* PlaatsKnop;
    QListWidget* List1;
    QPushButton* CancelKnop;
    QFrame* Frame1;
    QFrame* Frame2;
    QFrame* Frame3;

    QMenuBar* Menu;
    QAction* FileNieuw;
    QAction* FileSave;
    QAction* EditUndo;
    QMenu* EditBewerken;
    QMenu* EditKader;
    QMenu* EditVulstijl;
    QMenu* EditGum;
    std::array<QAction*, 18> EditConvert{};         // 5 and 8 open submenus
    std::array<QAction*, 3> EditContrastConvert{};  // 1 and 2
    std::array<QAction*, 6> EditSwap{};             // 1..5
    std::array<QAction*, 4> EditFlipConvert{};
    std::array<QAction*, 6> Kader{};                // 1..5
    std::array<QAction*, 8> editfill{};             // 0 and 2..7, the fill style
    std::map<int, QAction*> EditGom;                // 10, 15, 20, 25, 30 pixels
    QAction* Vertstreep;
    QAction* NaamFoto;

public slots:
    void Form_Activate();
    void Knop_Click(int index);
    void Label3_Click();
    void Label4_Click();
    void Slider1_Change();
    void editfill_Click(int i);
    void EditGom_Click(int i);
    void PlaatsKnop_Click();
    void MaakTekst(int cX, int cY, const QString& Cs);
    void FotoLaden(int x1, int y1, int x2, int y2);
    void List1_DblClick();
    void FileNieuw_Click();
    void FileSave_Click();
    void EditUndo_Click();
    void EditConvert_Click(int index);
    void EditContrastConvert_Click(int index);
    void EditSwap_Click(int index);
    void EditFlipConvert_Click(int index);
    void Kader_Click(int n);
    void CancelKnop_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void MaakVenster(QWidget* vlak);
    void MaakKleurenEnLijn(QWidget* paneel);
    void MaakGereedschapKnoppen(QWidget* paneel);
    void MaakTekstPaneel(QWidget* paneel);
    void MaakMenus();
    void MaakFiltersMenu();
    void MaakKeuzeMenus();
    void KleurSchemaToepassen();
    void Koppel();
    void ToonGereedschap();
    void ToonKleuren();
    void VulLogoLijst();
    void KiesKleurVoor(imaging::Kleur& kleur);
    void Filter(int nummer, std::int32_t param);
    void PasToe(std::function<void(imaging::Pixels&)> bewerking);
    TekstOpmaak Opmaak() const;

    const Factuur& factuur;
    platform::Prompts& prompts;
    QString programmaMap;
    bool geactiveerd = false;
    // Shared with a running filter: it processes window events after every
    // row, and the window may be closed meanwhile.
    std::shared_ptr<imaging::Filters> filters;
};
