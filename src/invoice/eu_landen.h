#pragma once

#include <QString>

#include <span>

// The member states of the European Union, as a btw-nummer and the
// e-invoicing network know them.
struct EuLand {
    QString land;           // the country code of an address: "GR"
    QString btwPrefix;      // the btw-nummer's own prefix: "EL" for Greece
    QString btwVorm;        // what follows the prefix, as a pattern
    QString peppolSchema;   // the network's scheme for this country's btw-nummers; empty when it has none
    bool peppolZonderPrefix;// the scheme takes the number without its prefix
};

std::span<const EuLand> EuLanden();
// The member state of a country code, in either case; nothing outside the Union.
const EuLand* EuLandVan(const QString& land);
