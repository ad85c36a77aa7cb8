#pragma once

#include "invoice/factuur.h"
#include "ui/main/page_preview.h"

#include <QMainWindow>

#include <array>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;

namespace platform {
class Prompts;
}

// The main window: the invoice page preview, the side panel with layout and
// VAT choice, and the menus. Construction is the load step.
class Main : public QMainWindow {
    Q_OBJECT
public:
    Main(Factuur& factuur, platform::Prompts& prompts, const QString& programmaMap, QWidget* parent = nullptr);

    // Window sizes in twips, 15 to a pixel.
    static constexpr int kBreedteGesloten = 6675;
    static constexpr int kBreedteOpen = 8610;
    static constexpr int kHoogte = 10390;

    void ZetLayout(int layout);
    void KleurenToepassen(int rood, int groen, int blauw);
    // The sender's or addressee's lines as the page shows them (mode 1 or 2),
    // kept in List1 / List2 for the output.
    void VulAdresLijst(int modus);
    // The logo named in the invoice, painted at the given size; an empty name
    // clears the logo box, a picture that does not load leaves it as it was.
    void LaadLogo(QSize maat = Pagina::kLogoMaat);
    void LaadAchtergrond();
    void ToonPartijen();      // sender and addressee boxes from the invoice
    void ToonVoettekst();
    void ToonKolommen();      // column bodies and totals from the invoice
    void ToonTotalen();       // the three totals and the payment code
    // The lines or the percentage changed outside the lines editor: once the
    // page shows computed totals, its columns and totals follow.
    void VolgRegels();
    // The date, description and price columns and the totals; the VAT and
    // line total columns stay as they are, as the lines editor leaves them.
    // A new invoice: placeholder captions in the columns, zero totals and
    // the number/date caption without values.
    void ToonNieuweFactuur();
    // "Creditnota" and the invoice it corrects above the address frame, on a
    // credit note only.
    void ToonCreditnota();
    void ToonFactuurLabel();   // and what a credit note says of itself
    // The payment code on the page when the invoice asks for one.
    void ToonBetaalQr();
    // The company details changed: the invoice takes their usual case at 0 %
    // and the page shows the code and the legal lines they ask for.
    void ToonBedrijf();
    // The seller's line and the VAT case under the totals, as every output draws them.
    void ToonWettelijkeRegels();
    bool ZijpaneelOpen() const;

    Pagina* Pic;
    PaginaLabel* HelpLabel;
    QFrame* Frame1;
    QFrame* Frame2;
    QFrame* Frame3;
    QLabel* BackA4;
    QComboBox* Combo1;
    QLabel* Label1;
    QComboBox* NultariefKeuze;   // why the VAT is 0 %: shown at 0 % only
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    std::array<QPushButton*, 3> LayoutKnop{};   // 1 and 2
    QPushButton* Tabblad;
    QStringList List1;
    QStringList List2;

    QAction* FileNieuw;
    QAction* FileLoad;
    QAction* FileSave;
    std::array<QAction*, 5> FilePrintTo{};      // 1 printer, 2 PDF, 3 separator, 4 envelope
    QAction* FileEfactuur;                      // after the PDF: "Naar e-factuur (UBL)"
    QAction* FileSetupPrinter;
    QAction* FileBoek;                          // "Facturenboek"
    QAction* FileAangifte;                      // "Btw-aangifte"
    QAction* FileExit;
    QAction* ToolsColorsWijzigen;
    QAction* ToolsCalc;
    QAction* ToolsLogoDesign;
    QAction* ToolsAchtergrond;
    std::array<QAction*, 3> SchermLayout{};
    QAction* SchermBedrijf;
    QAction* HelpHelp;
    QAction* HelpMeerSoftware;
    QAction* HelpOrbano;

public slots:
    void LayoutKnop_Click(int index);
    void Combo1_Click();
    void NultariefKeuze_Click(int index);
    void SchermLayout_Click();
    void Tabblad_Click();
    void FileExit_Click();
    void ToolsColorsWijzigen_Click();
    void HelpHelp_Click();
    void HelpLabel_DblClick();
    void HelpMeerSoftware_Click();
    void HelpOrbano_Click();

signals:
    // Double-clicks on the page ask for the dialog that edits the element;
    // the program's wiring opens it. Mijndata's task is set in the invoice first.
    void mijndataGevraagd();
    void omschrijvingGevraagd();
    void factuurnummerGevraagd();
    void kopGevraagd();
    void voettekstGevraagd();
    void bedrijfsgegevensGevraagd();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void MaakVenster();
    void ToonKolomPlaatshouders();
    void MaakZijpaneel();
    void MaakMenus();
    void KoppelDubbelKlikken();
    void KoppelKleurenEnHelp();
    void VraagMijndata(int modus);
    void ZetBreedte(int twips);
    void LaadInstellingen();
    // "Bedrijf.ini": read field by field; a field that cannot be used, or
    // something other than a file in its place, is told once.
    void LaadBedrijf();
    void MaakNultariefKeuze();
    void ToonNultariefKeuze();

    Factuur& factuur;
    platform::Prompts& prompts;
    QString programmaMap;
    bool totalenGetoond = false;         // the totals are computed, not the captions of a new invoice
    bool instellingenBruikbaar = true;   // false when a link, pipe or device stands in the settings file's place
    QWidget* centraal;
};
