#pragma once

#include "invoice/klantgegevens.h"
#include "ui/dialogs/ok_cancel_dialoog.h"

#include <array>

class QComboBox;
class QLineEdit;

namespace platform {
class Prompts;
}

// "Klantgegevens": the buyer of the e-invoice, proposed from the address
// block or from what was confirmed last time. "Ok" checks the details and
// stays open with a message when something is missing. Construction is the
// load step.
class KlantgegevensForm : public OkCancelDialoog {
    Q_OBJECT
public:
    KlantgegevensForm(Main& main, Factuur& factuur, const Klantgegevens& voorstel, platform::Prompts& prompts,
                      QWidget* parent = nullptr);

    // Naam, Straat, Postcode, Plaats, Land, Uw referentie, Btw-nummer, E-mail.
    std::array<QLineEdit*, 8> Invoer{};
    QComboBox* Combo1;       // the 0 % choice, enabled at 0 % only
    QLineEdit* Reden;        // the reason of an exemption

    // The details as the fields hold them.
    Klantgegevens Gegevens() const;

public slots:
    void OkKnop_Click() override;

private:
    platform::Prompts& prompts;
};
