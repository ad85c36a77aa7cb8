#pragma once

#include "ui/common/plaatsing.h"
#include "ui/dialogs/ok_cancel_dialoog.h"

#include <QImage>
#include <QSize>
#include <QStringList>

class QListWidget;
class QTextEdit;

namespace platform {
class Prompts;
}

// The four-purpose dialog: the sender block (MijndataModus 1), the addressee
// with the address book (2), the background picture (3) and the logo (4).
// Construction is the load step; the task comes from the invoice.
class Mijndata : public OkCancelDialoog {
    Q_OBJECT
public:
    Mijndata(Main& main, Factuur& factuur, platform::Prompts& prompts, const QString& programmaMap,
             QWidget* parent = nullptr);

    static constexpr int kMaxAfzenderRegels = 6;
    static constexpr int kMaxAdresRegels = 4;
    // The size a chosen logo is painted at: a double-click and "Ok" differ.
    static constexpr QSize kLogoDubbelklik{Px(5865), Px(1200)};
    static constexpr QSize kLogoOk{Px(6000), Px(1246)};

    // Text1's text with CR LF line breaks, and the width its lines wrap at.
    QString Tekst() const;
    void ZetTekst(const QString& tekst);
    double TekstBreedte() const;

    QTextEdit* Text1;
    QListWidget* List1;
    QLabel* Label5;
    QLabel* Label4;
    QPushButton* AddKnop;
    QPushButton* OpenKnop;
    QLabel* Label6;            // the panel behind KlantKnop
    QPushButton* KlantKnop;    // "Klantgegevens" of the address, with the address only
    QStringList File1;   // the files of the folder the list shows, in its order
    QImage GeenAchtergrond;   // a white picture, put in place of the background when none is chosen

public slots:
    void AddKnop_Click();
    void OpenKnop_Click();
    // The buyer's details of the address in the box, its btw-nummer among
    // them, confirmed in "Klantgegevens" and remembered for that customer.
    void KlantKnop_Click();
    void List1_DblClick();
    void OkKnop_Click() override;

private:
    void MaakBesturing();
    void LaadAfzender();
    void LaadAdres();
    void LaadPlaatjes(const QString& map, const QString& hint);
    void ZetHint(const QString& tekst);
    void VulFile1(const QString& map, const QString& patroon);
    void VulList1();
    QString GekozenBestand() const;   // empty when no name is selected
    // Puts Text1 into the invoice field and on the page, unless it has more
    // lines than allowed; an empty text becomes the placeholder.
    bool NeemTekstOver(int maximum, QString& veld, const QString& plaatshouder);
    // Tells the user when the file of that name is no picture the page can show.
    bool IsBruikbaarPlaatje(const QString& bestand);
    void KiesAchtergrond(const QString& bestand);
    void KiesLogo(const QString& bestand, QSize maat);

    platform::Prompts& prompts;
    QString programmaMap;
    QString map;   // the folder File1 lists
};
