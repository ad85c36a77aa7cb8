#pragma once

#include "invoice/bedrijfsgegevens.h"
#include "ui/dialogs/ok_cancel_dialoog.h"

#include <array>

class QCheckBox;
class QLineEdit;

namespace platform {
class Prompts;
}

// "Bedrijfsgegevens": the seller's structured details and the payment code.
// "Ok" checks every field and writes "Bedrijf.ini"; a wrong field is named
// and nothing is stored. Construction is the load step.
class BedrijfForm : public OkCancelDialoog {
    Q_OBJECT
public:
    BedrijfForm(Main& main, Factuur& factuur, platform::Prompts& prompts, const QString& programmaMap,
                QWidget* parent = nullptr);

    enum Veld { Naam, Straat, Postcode, Plaats, Land, Kvk, Btw, Iban, Bic, Email, Termijn, kVelden };
    std::array<QLineEdit*, kVelden> Text{};
    QCheckBox* BetaalQrCheck;

    // The details as the fields hold them; an unreadable term is -1.
    Bedrijfsgegevens Gegevens() const;

public slots:
    void OkKnop_Click() override;

private:
    platform::Prompts& prompts;
    QString pad;
};
