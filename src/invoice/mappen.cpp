#include "invoice/mappen.h"

#include "platform/files.h"

#include <array>

namespace {

// By the order of Bestandsmap.
constexpr std::array<const char*, 7> kNamen = {"Facturen", "Adressen", "Logo", "Backgrounds", "Pdf", "Efactuur",
                                               "Btw-aangifte"};

}  // namespace

QString Map(const QString& programmaMap, Bestandsmap map)
{
    return platform::Submap(programmaMap, QString::fromLatin1(kNamen.at(static_cast<std::size_t>(map))));
}

QString UitgegevenMap(const QString& programmaMap)
{
    return platform::Submap(Map(programmaMap, Bestandsmap::Facturen), QStringLiteral("Uitgegeven"));
}
