#pragma once

#include <QString>

namespace platform {

// Opens a web address or a file with the desktop's program for it; whether
// that worked is not looked at.
void OpenMetShell(const QString& adres);

}
