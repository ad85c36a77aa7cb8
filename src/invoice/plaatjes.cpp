#include "invoice/plaatjes.h"

#include "invoice/mappen.h"
#include "platform/files.h"

std::optional<QString> LogoVanFactuur(const Factuur& f, const QString& programmaMap)
{
    return platform::PadVanNaam(Map(programmaMap, Bestandsmap::Logo), f.LogoBestand);
}

std::optional<QString> AchtergrondVanFactuur(const Factuur& f, const QString& programmaMap)
{
    return platform::PadVanNaam(Map(programmaMap, Bestandsmap::Achtergronden), f.AchtergrondBestand);
}
