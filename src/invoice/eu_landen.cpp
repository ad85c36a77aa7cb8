#include "invoice/eu_landen.h"

#include <algorithm>
#include <array>

namespace {

EuLand Land(const char* land, const char* prefix, const char* vorm, const char* schema, bool zonderPrefix = false)
{
    return {QString::fromLatin1(land), QString::fromLatin1(prefix), QString::fromLatin1(vorm),
            QString::fromLatin1(schema), zonderPrefix};
}

}  // namespace

std::span<const EuLand> EuLanden()
{
    // The number forms of the Union's VAT information exchange; the Belgian
    // network address is the enterprise number, the btw-nummer's digits.
    static const std::array<EuLand, 27> landen{{
        Land("AT", "AT", "U[0-9]{8}", "9914"),
        Land("BE", "BE", "[01][0-9]{9}", "0208", true),
        Land("BG", "BG", "[0-9]{9,10}", "9926"),
        Land("CY", "CY", "[0-9]{8}[A-Z]", "9928"),
        Land("CZ", "CZ", "[0-9]{8,10}", "9929"),
        Land("DE", "DE", "[0-9]{9}", "9930"),
        Land("DK", "DK", "[0-9]{8}", "0184"),
        Land("EE", "EE", "[0-9]{9}", "9931"),
        Land("ES", "ES", "[0-9A-Z][0-9]{7}[0-9A-Z]", "9920"),
        Land("FI", "FI", "[0-9]{8}", ""),
        Land("FR", "FR", "[0-9A-Z]{2}[0-9]{9}", "9957"),
        Land("GR", "EL", "[0-9]{9}", "9933"),
        Land("HR", "HR", "[0-9]{11}", "9934"),
        Land("HU", "HU", "[0-9]{8}", "9910"),
        Land("IE", "IE", "[0-9][0-9A-Z+*][0-9]{5}[A-Z]{1,2}", "9935"),
        Land("IT", "IT", "[0-9]{11}", "0211"),
        Land("LT", "LT", "[0-9]{9}|[0-9]{12}", "9937"),
        Land("LU", "LU", "[0-9]{8}", "9938"),
        Land("LV", "LV", "[0-9]{11}", "9939"),
        Land("MT", "MT", "[0-9]{8}", "9943"),
        Land("NL", "NL", "[0-9]{9}B[0-9]{2}", "9944"),
        Land("PL", "PL", "[0-9]{10}", "9945"),
        Land("PT", "PT", "[0-9]{9}", "9946"),
        Land("RO", "RO", "[1-9][0-9]{1,9}", "9947"),
        Land("SE", "SE", "[0-9]{10}01", ""),
        Land("SI", "SI", "[0-9]{8}", "9949"),
        Land("SK", "SK", "[0-9]{10}", "9950"),
    }};
    return landen;
}

const EuLand* EuLandVan(const QString& land)
{
    const QString code = land.trimmed().toUpper();
    const auto landen = EuLanden();
    const auto it = std::find_if(landen.begin(), landen.end(), [&](const EuLand& l) { return l.land == code; });
    return it != landen.end() ? &*it : nullptr;
}
