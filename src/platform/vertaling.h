#pragma once

class QCoreApplication;

namespace platform {

// Qt's own dialogs, buttons and messages (open file, colour choice, the
// buttons Qt supplies) in Dutch, whatever language the system speaks: the
// program is Dutch throughout. False when the translations are not installed.
bool LaadQtInHetNederlands(QCoreApplication& app);

}  // namespace platform
