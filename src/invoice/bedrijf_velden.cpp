#include "invoice/bedrijf_velden.h"

#include "invoice/bedrijf_controle.h"
#include "invoice/wettelijke_regels.h"

#include <array>

std::span<const BedrijfVeld> BedrijfVelden()
{
    using B = Bedrijfsgegevens;
    static const std::array<BedrijfVeld, 15> velden{{
        {QStringLiteral("Bedrijfsnaam"), &B::Bedrijfsnaam},
        {QStringLiteral("Straat en huisnummer"), &B::Straat},
        {QStringLiteral("Postcode"), &B::Postcode},
        {QStringLiteral("Plaats"), &B::Plaats},
        {QStringLiteral("Land"), &B::Land, Opslag::Hoofdletters},
        {QStringLiteral("KvK-nummer"), &B::KvkNummer},
        {QStringLiteral("Btw-nummer"), &B::BtwNummer, Opslag::Nummer},
        {QStringLiteral("IBAN"), &B::Iban, Opslag::Nummer},
        {QStringLiteral("BIC"), &B::Bic, Opslag::Hoofdletters},
        {QStringLiteral("E-mail"), &B::Email},
        {QStringLiteral("Betaaltermijn (dagen)"), &B::Betaaltermijn, Opslag::Bijgesneden, 0, 365},
        {QStringLiteral("Betaal-QR op de factuur"), &B::BetaalQr, Opslag::Bijgesneden, 0, 1},
        {QStringLiteral("Gewoonlijk bij 0 % btw"), &B::Nultarief, Opslag::Bijgesneden, 0, 0, true},
        {QStringLiteral("Reden vrijstelling"), &B::RedenVrijstelling, Opslag::Bijgesneden, 0, kLangsteReden, true},
        {QStringLiteral("KvK- en btw-nummer op de factuur"), &B::VerkopersRegel, Opslag::Bijgesneden, 0, 1, true},
    }};
    return velden;
}

bool ZelfdeVeld(const BedrijfVeld& veld, const Bedrijfsgegevens& a, const Bedrijfsgegevens& b)
{
    return std::visit([&](auto lid) { return a.*lid == b.*lid; }, veld.lid);
}

void SlaOpAlsBedoeld(const BedrijfVeld& veld, Bedrijfsgegevens& b)
{
    const auto* tekstLid = std::get_if<QString Bedrijfsgegevens::*>(&veld.lid);
    if (!tekstLid)
        return;
    QString& tekst = b.**tekstLid;
    switch (veld.opslag) {
    case Opslag::Bijgesneden:
        tekst = tekst.trimmed();
        break;
    case Opslag::Hoofdletters:
        tekst = Hoofdletters(tekst);
        break;
    case Opslag::Nummer:
        tekst = NormaalNummer(tekst);
        break;
    }
}
