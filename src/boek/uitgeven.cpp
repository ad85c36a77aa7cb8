#include "boek/uitgeven.h"

#include "boek/volgend_nummer.h"
#include "platform/prompts.h"

const QString kBoekTitel = QStringLiteral(" Facturenboek");

namespace {

QString Soort(const Uitgifte& u)
{
    return u.IsCreditnota() ? QStringLiteral("Creditnota ") : QStringLiteral("Factuur ");
}

}  // namespace

bool OpenBoek(Facturenboek& boek, platform::Prompts& prompts)
{
    if (boek.IsOpen())
        return true;
    const bool open = boek.Open();
    if (!boek.Melding().isEmpty())
        prompts.Melding(kBoekTitel, boek.Melding());
    return open;
}

void OpenStil(Facturenboek& boek, platform::Prompts& prompts)
{
    if (!boek.IsOpen() && boek.Open() && !boek.Melding().isEmpty())
        prompts.Melding(kBoekTitel, boek.Melding());
}

QString VolgendVrijNummer(Facturenboek& boek, const QString& nummer)
{
    return VoorgesteldNummer(nummer, boek.LaatsteNummer(), [&boek](const QString& n) { return boek.IsUitgegeven(n); },
                             QDate::currentDate());
}

bool MagUitgeven(Facturenboek& boek, const Uitgifte& u, platform::Prompts& prompts)
{
    OpenStil(boek, prompts);
    if (u.nummer.isEmpty())
        return prompts.Vraag(kBoekTitel, QStringLiteral("Deze factuur heeft geen factuurnummer en kan dus niet in het "
                                                        "Facturenboek worden opgenomen.\r\nToch doorgaan?"));
    const auto eerder = boek.IsOpen() ? boek.Document(u.nummer) : std::nullopt;
    if (!eerder || ZelfdeInhoud(*eerder, u))
        return true;
    const QString verschil = eerder->inclBtw != u.inclBtw ? QStringLiteral(" met een ander bedrag...")
                                                          : QStringLiteral(" met een andere inhoud...");
    const QString volgend = VolgendVrijNummer(boek, u.nummer);
    return prompts.Vraag(kBoekTitel, Soort(u) + u.nummer + QStringLiteral(" is al uitgegeven") + verschil
                                         + QStringLiteral("\r\nEen nummer mag maar één keer worden gebruikt; het "
                                                          "volgende vrije nummer is ")
                                         + volgend + QStringLiteral(".\r\nToch uitgeven onder nummer ") + u.nummer
                                         + QStringLiteral(", in de plaats van de eerdere?"));
}

void LegUitgifteVast(Facturenboek& boek, const Uitgifte& u, const UitgifteBestanden& bestanden,
                     platform::Prompts& prompts)
{
    if (u.nummer.isEmpty())
        return;
    if (!boek.IsOpen()) {
        if (!boek.Open()) {
            prompts.Melding(kBoekTitel, Soort(u) + u.nummer
                                            + QStringLiteral(" is gemaakt, maar niet in het Facturenboek opgenomen.\r\n")
                                            + boek.Melding());
            return;
        }
        if (!boek.Melding().isEmpty())   // a damaged book set aside
            prompts.Melding(kBoekTitel, boek.Melding());
    }
    if (!boek.Uitgeven(u, bestanden))
        prompts.Melding(kBoekTitel, boek.Melding());
}
