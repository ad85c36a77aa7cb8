#pragma once

#include "invoice/bedrijfsgegevens.h"
#include "invoice/klantgegevens.h"

#include <QString>

#include <optional>

// The rules an e-invoice claims to follow, which a receiver then applies.
enum class Profiel {
    Peppol,    // Peppol BIS Billing 3.0: for the network, both parties by a network address
    SiUbl,     // SI-UBL 2.0: the Dutch rules on top, for government receivers and Dutch packages
    En16931,   // the standard alone: for a buyer without a network address, sent by mail
};

// A buyer known on the network gets the profile chosen for it; one without,
// the standard alone.
Profiel ProfielVan(const Klantgegevens& k);
QString CustomizationId(Profiel p);
// The business process, for the network profiles; empty for the standard alone.
QString ProcesId(Profiel p);

// A party's identifier in a scheme of the standard's lists ("0106" KvK,
// "9944" Dutch btw-nummer, "EM" e-mail).
struct Identificatie {
    QString schema;
    QString nummer;
};

// The seller's network address: its KvK-nummer, or else its btw-nummer.
Identificatie VerkoperAdres(const Bedrijfsgegevens& b);
// The seller's legal identifier: its KvK-nummer; nothing without one.
std::optional<Identificatie> VerkoperRechtspersoon(const Bedrijfsgegevens& b);

// The buyer's network address as chosen; without one, its e-mail address
// when it has one (the standard alone knows that scheme); else nothing.
std::optional<Identificatie> KoperAdres(const Klantgegevens& k);
// The buyer's legal identifier, where the chosen address is one: a
// KvK-nummer, an OIN, a Belgian enterprise number; nothing otherwise.
std::optional<Identificatie> KoperRechtspersoon(const Klantgegevens& k);

// What is wrong with the chosen network address, in Dutch; nothing when right.
std::optional<QString> FoutInKlantId(const Klantgegevens& k);
