#include "platform/doelbestand.h"

#include "platform/files.h"
#include "platform/prompts.h"

namespace platform {

std::optional<QString> VraagDoelbestand(Prompts& prompts, const QString& titel, const QString& vraag,
                                        const QString& voorstel, const QString& map, const QString& extensie)
{
    const auto doel = VraagDoel(prompts, titel, vraag, voorstel, map, extensie);
    return doel ? std::optional<QString>(doel->pad) : std::nullopt;
}

std::optional<Doel> VraagDoel(Prompts& prompts, const QString& titel, const QString& vraag, const QString& voorstel,
                              const QString& map, const QString& extensie)
{
    const auto naam = prompts.Invoer(titel, vraag, voorstel);
    if (!naam || naam->isEmpty())
        return std::nullopt;
    const auto pad = Doelpad(prompts, titel, *naam, map, extensie,
                             {QStringLiteral(" File exist"),
                              QStringLiteral("Bestand '") + *naam + QStringLiteral("' bestaat reeds, overschrijven?")});
    if (!pad)
        return std::nullopt;
    return Doel{*pad, *naam};
}

std::optional<QString> Doelpad(Prompts& prompts, const QString& titel, const QString& naam, const QString& map,
                               const QString& extensie, const Overschrijfvraag& overschrijven)
{
    if (!GeldigeBestandsnaam(naam)) {
        prompts.Melding(titel, QStringLiteral("De naam '") + naam
                                   + QStringLiteral("' kan niet als bestandsnaam worden gebruikt."));
        return std::nullopt;
    }
    const QString bestand = naam + extensie;
    if (BestaandeNaam(map, bestand) && !prompts.Vraag(overschrijven.titel, overschrijven.tekst))
        return std::nullopt;
    return GevondenPad(map, bestand);
}

}  // namespace platform
