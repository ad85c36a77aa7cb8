#pragma once

#include "invoice/bedrijfsgegevens.h"
#include "ui/dialogs/ok_cancel_dialoog.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace platform {
class Prompts;
}

// "Bedrijfsgegevens": the seller's structured details, the payment code, the
// usual case at 0 % and the seller's line on the page, a row for each field
// of BedrijfVelden(). "Ok" checks every field and writes "Bedrijf.ini"; a
// wrong field is named and nothing is stored. Construction is the load step.
class BedrijfForm : public OkCancelDialoog {
    Q_OBJECT
public:
    BedrijfForm(Main& main, Factuur& factuur, platform::Prompts& prompts, const QString& programmaMap,
                QWidget* parent = nullptr);

    // The rows in the order of BedrijfVelden().
    enum Veld {
        Naam, Straat, Postcode, Plaats, Land, Kvk, Btw, Iban, Bic, Email, Termijn, BetaalQr, Nultarief, Reden,
        VerkopersRegel, kVelden
    };
    std::array<QLineEdit*, kVelden> Text{};   // the texts and the term; empty for the other rows
    QCheckBox* BetaalQrCheck;
    QCheckBox* VerkopersRegelCheck;
    QComboBox* NultariefKeuze;

    // The details as the fields hold them; an unreadable term is -1.
    Bedrijfsgegevens Gegevens() const;

public slots:
    void OkKnop_Click() override;

private:
    std::array<QWidget*, kVelden> invoer{};
    platform::Prompts& prompts;
    QString pad;
};
