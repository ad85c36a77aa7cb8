#pragma once

#include <QString>

// The folders beside the program. Each is found whatever its letter case
// ("logo" is the "Logo" folder); a missing one gets the spelling below when
// a save makes it.
QString FacturenMap(const QString& programmaMap);
QString AdressenMap(const QString& programmaMap);
QString LogoMap(const QString& programmaMap);
QString AchtergrondMap(const QString& programmaMap);
QString PdfMap(const QString& programmaMap);
QString EfactuurMap(const QString& programmaMap);
// "Facturen/Uitgegeven": what the Facturenboek keeps of every issue.
QString UitgegevenMap(const QString& programmaMap);
QString BtwAangifteMap(const QString& programmaMap);
