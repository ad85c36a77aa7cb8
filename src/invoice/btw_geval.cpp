#include "invoice/btw_geval.h"

#include <algorithm>
#include <array>

std::span<const NulTariefGeval> NulTariefGevallen()
{
    static const std::array<NulTariefGeval, 4> gevallen{{
        {NulTarief::NulProcent, QStringLiteral("0 %-tarief"), QStringLiteral("Z"), {}, {}, {}, false},
        {NulTarief::Vrijgesteld, QStringLiteral("Vrijgesteld / KOR"), QStringLiteral("E"), {}, {},
         QStringLiteral("Vrijgesteld van btw"), false},
        {NulTarief::Verlegd, QStringLiteral("Btw verlegd"), QStringLiteral("AE"), QStringLiteral("VATEX-EU-AE"),
         QStringLiteral("Btw verlegd"), QStringLiteral("Btw verlegd"), true},
        {NulTarief::Intracommunautair, QStringLiteral("Intracommunautaire levering"), QStringLiteral("K"),
         QStringLiteral("VATEX-EU-IC"), QStringLiteral("Intracommunautaire levering"),
         QStringLiteral("Intracommunautaire levering, btw verlegd"), true},
    }};
    return gevallen;
}

const NulTariefGeval& GevalVan(NulTarief keuze)
{
    const auto gevallen = NulTariefGevallen();
    const auto it = std::find_if(gevallen.begin(), gevallen.end(),
                                 [keuze](const NulTariefGeval& g) { return g.keuze == keuze; });
    return it != gevallen.end() ? *it : gevallen.front();
}

QString Categorie(NulTarief keuze)
{
    return GevalVan(keuze).categorie;
}

std::optional<NulTarief> NulTariefVan(const QString& categorie)
{
    for (const NulTariefGeval& g : NulTariefGevallen())
        if (g.categorie == categorie)
            return g.keuze;
    return std::nullopt;
}
