#include "invoice/mappen.h"

#include "platform/files.h"

QString FacturenMap(const QString& programmaMap)
{
    return platform::Submap(programmaMap, QStringLiteral("Facturen"));
}

QString AdressenMap(const QString& programmaMap)
{
    return platform::Submap(programmaMap, QStringLiteral("Adressen"));
}

QString LogoMap(const QString& programmaMap)
{
    return platform::Submap(programmaMap, QStringLiteral("Logo"));
}

QString AchtergrondMap(const QString& programmaMap)
{
    return platform::Submap(programmaMap, QStringLiteral("Backgrounds"));
}

QString PdfMap(const QString& programmaMap)
{
    return platform::Submap(programmaMap, QStringLiteral("Pdf"));
}

QString EfactuurMap(const QString& programmaMap)
{
    return platform::Submap(programmaMap, QStringLiteral("Efactuur"));
}

QString UitgegevenMap(const QString& programmaMap)
{
    return platform::Submap(FacturenMap(programmaMap), QStringLiteral("Uitgegeven"));
}

QString BtwAangifteMap(const QString& programmaMap)
{
    return platform::Submap(programmaMap, QStringLiteral("Btw-aangifte"));
}
