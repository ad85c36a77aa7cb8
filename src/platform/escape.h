#pragma once

class QDialog;

namespace platform {

// Escape does not close the dialog: where unsaved work would go with one
// key, only the dialog's own Exit or Cancel closes it. Keys a child uses
// itself (a list's popup, an edit box) keep their Escape.
void EscapeSluitNiet(QDialog& dialoog);

}
