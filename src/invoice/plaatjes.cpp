#include "invoice/plaatjes.h"

#include "platform/files.h"

std::optional<QString> LogoVanFactuur(const Factuur& f, const QString& programmaMap)
{
    return platform::PadVanNaam(platform::Pad(programmaMap, QStringLiteral("Logo")), f.LogoBestand);
}

std::optional<QString> AchtergrondVanFactuur(const Factuur& f, const QString& programmaMap)
{
    return platform::PadVanNaam(platform::Pad(programmaMap, QStringLiteral("Backgrounds")), f.AchtergrondBestand);
}
