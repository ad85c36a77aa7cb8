#pragma once

#include "invoice/factuur.h"

#include <QString>

#include <optional>

// The picture files the invoice names: the logo in "Logo", the background in
// "Backgrounds" of the program folder. Nothing when it names none, or names
// one with a folder part (read from a settings file, "../../x.bmp" would
// reach outside the program folder): such a name counts as a missing file.
std::optional<QString> LogoVanFactuur(const Factuur& f, const QString& programmaMap);
std::optional<QString> AchtergrondVanFactuur(const Factuur& f, const QString& programmaMap);
