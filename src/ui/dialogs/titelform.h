#pragma once

#include "ui/dialogs/ok_cancel_dialoog.h"

#include <array>

class QLineEdit;

// "Koptekst": the column headings 1 to 5. Construction is the load step.
class Titelform : public OkCancelDialoog {
    Q_OBJECT
public:
    Titelform(Main& main, Factuur& factuur, QWidget* parent = nullptr);

    std::array<QLineEdit*, 6> Text1{};   // 1-5

public slots:
    void OkKnop_Click() override;
};
