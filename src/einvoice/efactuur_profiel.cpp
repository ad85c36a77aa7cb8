#include "einvoice/efactuur_profiel.h"

#include "invoice/bedrijf_controle.h"
#include "invoice/eu_landen.h"

namespace {

const QString kKvk = QStringLiteral("0106");
const QString kOin = QStringLiteral("0190");
const QString kGln = QStringLiteral("0088");
const QString kBelgischOndernemingsnummer = QStringLiteral("0208");

// The btw-nummer as the network address of the buyer's country.
std::optional<Identificatie> BtwAdres(const Klantgegevens& k)
{
    const EuLand* land = EuLandVan(k.Land);
    if (!land || land->peppolSchema.isEmpty() || k.BtwNummer.isEmpty())
        return std::nullopt;
    return Identificatie{land->peppolSchema, land->peppolZonderPrefix ? k.BtwNummer.mid(2) : k.BtwNummer};
}

}  // namespace

Profiel ProfielVan(const Klantgegevens& k)
{
    if (k.Id == KlantId::Geen)
        return Profiel::En16931;
    return k.Profiel == Profielkeuze::SiUbl ? Profiel::SiUbl : Profiel::Peppol;
}

QString CustomizationId(Profiel p)
{
    const QString norm = QStringLiteral("urn:cen.eu:en16931:2017");
    switch (p) {
    case Profiel::Peppol:
        return norm + QStringLiteral("#compliant#urn:fdc:peppol.eu:2017:poacc:billing:3.0");
    case Profiel::SiUbl:
        return norm + QStringLiteral("#compliant#urn:fdc:nen.nl:nlcius:v1.0");
    case Profiel::En16931:
        break;
    }
    return norm;
}

QString ProcesId(Profiel p)
{
    return p == Profiel::En16931 ? QString() : QStringLiteral("urn:fdc:peppol.eu:2017:poacc:billing:01:1.0");
}

Identificatie VerkoperAdres(const Bedrijfsgegevens& b)
{
    if (const auto kvk = VerkoperRechtspersoon(b))
        return *kvk;
    return {EuLandVan(QStringLiteral("NL"))->peppolSchema, NormaalNummer(b.BtwNummer)};
}

std::optional<Identificatie> VerkoperRechtspersoon(const Bedrijfsgegevens& b)
{
    if (b.KvkNummer.trimmed().isEmpty())
        return std::nullopt;
    return Identificatie{kKvk, b.KvkNummer.trimmed()};
}

std::optional<Identificatie> KoperAdres(const Klantgegevens& k)
{
    switch (k.Id) {
    case KlantId::Geen:
        if (k.Email.isEmpty())
            return std::nullopt;
        return Identificatie{QStringLiteral("EM"), k.Email};
    case KlantId::Kvk:
        return Identificatie{kKvk, k.IdNummer};
    case KlantId::Oin:
        return Identificatie{kOin, k.IdNummer};
    case KlantId::Btw:
        return BtwAdres(k);
    case KlantId::Gln:
        return Identificatie{kGln, k.IdNummer};
    }
    return std::nullopt;
}

std::optional<Identificatie> KoperRechtspersoon(const Klantgegevens& k)
{
    const auto adres = KoperAdres(k);
    if (adres && (adres->schema == kKvk || adres->schema == kOin || adres->schema == kBelgischOndernemingsnummer))
        return adres;
    return std::nullopt;
}

std::optional<QString> FoutInKlantId(const Klantgegevens& k)
{
    switch (k.Id) {
    case KlantId::Geen:
        break;
    case KlantId::Kvk:
        if (!GeldigKvkNummer(k.IdNummer))
            return QStringLiteral("Vul bij 'Nummer' het KvK-nummer van de klant in: 8 cijfers.");
        break;
    case KlantId::Oin:
        if (!GeldigOin(k.IdNummer))
            return QStringLiteral("Vul bij 'Nummer' het OIN van de klant in: 20 cijfers.");
        break;
    case KlantId::Btw:
        if (k.BtwNummer.isEmpty())
            return QStringLiteral("Vul het btw-nummer van de klant in: het is het Peppol-adres dat u koos.");
        if (!BtwAdres(k))
            return QStringLiteral("Het Peppol-netwerk kent geen btw-nummers uit ") + k.Land
                 + QStringLiteral(" als adres. Kies een KvK-nummer, OIN of GLN, of 'Geen'.");
        break;
    case KlantId::Gln:
        if (!GeldigeGln(k.IdNummer))
            return QStringLiteral("Vul bij 'Nummer' het GLN van de klant in: 13 cijfers, het laatste is het "
                                  "controlecijfer.");
        break;
    }
    return std::nullopt;
}
