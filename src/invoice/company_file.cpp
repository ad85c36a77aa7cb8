#include "invoice/company_file.h"

#include "platform/files.h"
#include "platform/records.h"

using platform::RecordReader;
using platform::RecordWriter;

namespace {

// Thirteen short records; a larger file is not one of ours.
constexpr qint64 kGrootsteBestand = 64 * 1024;

}  // namespace

std::optional<Bedrijfsgegevens> LeesBedrijfsgegevens(const QByteArray& bytes)
{
    RecordReader r(bytes);
    if (r.LeesTekst() != QString::fromLatin1(kBedrijfKop))
        return std::nullopt;
    Bedrijfsgegevens b;
    for (QString* tekst : {&b.Bedrijfsnaam, &b.Straat, &b.Postcode, &b.Plaats, &b.Land, &b.KvkNummer, &b.BtwNummer,
                           &b.Iban, &b.Bic, &b.Email})
        if (!r.LeesTekstIn(*tekst))
            return std::nullopt;
    const auto termijn = r.LeesGeheel(0, 365);
    const auto qr = r.LeesGeheel(0, 1);
    if (!termijn || !qr)
        return std::nullopt;
    b.Betaaltermijn = *termijn;
    b.BetaalQr = *qr == 1;
    return b;
}

std::optional<Bedrijfsgegevens> LeesBedrijfsgegevens(const QString& pad)
{
    const auto bytes = platform::LeesBestand(pad, kGrootsteBestand);
    if (!bytes)
        return std::nullopt;
    return LeesBedrijfsgegevens(*bytes);
}

QByteArray BedrijfsgegevensBytes(const Bedrijfsgegevens& b)
{
    RecordWriter w;
    w.Schrijf({QString::fromLatin1(kBedrijfKop)});
    for (const QString& tekst : {b.Bedrijfsnaam, b.Straat, b.Postcode, b.Plaats, b.Land, b.KvkNummer, b.BtwNummer,
                                 b.Iban, b.Bic, b.Email})
        w.Schrijf({tekst});
    w.Schrijf({double(b.Betaaltermijn)});
    w.Schrijf({b.BetaalQr ? 1.0 : 0.0});
    return w.Bytes();
}

bool SchrijfBedrijfsgegevens(const Bedrijfsgegevens& b, const QString& pad)
{
    return platform::SchrijfBestand(pad, BedrijfsgegevensBytes(b));
}
