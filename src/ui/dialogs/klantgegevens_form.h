#pragma once

#include "invoice/klantgegevens.h"
#include "ui/dialogs/ok_cancel_dialoog.h"

#include <vector>

class QComboBox;
class QLineEdit;

namespace platform {
class Prompts;
}

// "Klantgegevens": the buyer of the e-invoice, proposed from the address
// block or from what was confirmed last time. One row per field of
// KlantVelden: a text box, or a list for a choice. "Ok" checks the details
// and stays open with a message when something is missing. Construction is
// the load step.
class KlantgegevensForm : public OkCancelDialoog {
    Q_OBJECT
public:
    KlantgegevensForm(Main& main, Factuur& factuur, const Klantgegevens& voorstel, platform::Prompts& prompts,
                      QWidget* parent = nullptr);

    // The control of each field, in the order of KlantVelden.
    std::vector<QWidget*> Veld;
    // The text box or list of the field of that name; nullptr when it is the other kind.
    QLineEdit* Tekstvak(const QString& naam) const;
    QComboBox* Keuzevak(const QString& naam) const;

    // The details as the controls hold them, in their kept form.
    Klantgegevens Gegevens() const;

public slots:
    void OkKnop_Click() override;

private:
    // The number can be filled in only for a network address that has one,
    // the profile only for a buyer on the network.
    void ZetBeschikbaar();

    platform::Prompts& prompts;
};
