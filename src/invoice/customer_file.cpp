#include "invoice/customer_file.h"

#include "invoice/address_file.h"
#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/records.h"

#include <QDir>

namespace {

// A dozen short texts; anything larger is not a customer file.
constexpr qint64 kGrootsteKlantBestand = 64 * 1024;
// Leaves room for the extension in a 255-byte name.
constexpr qsizetype kLangsteNaam = 150;

// The first line as a record holds it: in the code page, a double quote as a single one.
QString AlsOpgeslagen(QString tekst)
{
    return platform::VanCp1252(platform::NaarCp1252(tekst.replace(QLatin1Char('"'), QLatin1Char('\''))));
}

}  // namespace

QString KlantBestandsnaam(const QString& sleutel)
{
    return platform::AlsBestandsnaam(sleutel, kLangsteNaam) + QLatin1String(kKlantExtensie);
}

QByteArray KlantBytes(const QString& sleutel, const Klantgegevens& k)
{
    platform::RecordWriter w;
    for (const QString& tekst : {QString::fromLatin1(kKlantKop), sleutel, k.Naam, k.Straat, k.Postcode, k.Plaats,
                                 k.Land, k.Referentie, k.BtwNummer, k.Email, Categorie(k.Nultarief),
                                 k.RedenVrijstelling})
        w.Schrijf({tekst});
    return w.Bytes();
}

std::optional<Klantgegevens> LeesKlant(const QByteArray& bytes, const QString& sleutel)
{
    platform::RecordReader r(bytes);
    const auto kop = r.LeesTekst();
    const auto eigenaar = r.LeesTekst();
    // Two addresses whose first lines make the same file name: the file
    // belongs to the one it names.
    if (kop != QString::fromLatin1(kKlantKop) || eigenaar != AlsOpgeslagen(sleutel))
        return std::nullopt;
    Klantgegevens k;
    QString categorie;
    for (QString* veld : {&k.Naam, &k.Straat, &k.Postcode, &k.Plaats, &k.Land, &k.Referentie, &k.BtwNummer,
                          &k.Email, &categorie, &k.RedenVrijstelling})
        if (!r.LeesTekstIn(*veld))
            return std::nullopt;
    const auto keuze = NulTariefVan(categorie);
    if (!keuze)
        return std::nullopt;
    k.Nultarief = *keuze;
    return k;
}

std::optional<Klantgegevens> OnthoudenKlant(const QString& programmaMap, const QString& sleutel)
{
    const QString map = AdressenMap(programmaMap);
    const auto bestand = platform::BestaandeNaam(map, KlantBestandsnaam(sleutel));
    if (!bestand)
        return std::nullopt;
    const auto bytes = platform::LeesBestand(platform::Pad(map, *bestand), kGrootsteKlantBestand);
    if (!bytes)
        return std::nullopt;
    return LeesKlant(*bytes, sleutel);
}

bool OnthoudKlant(const QString& programmaMap, const QString& sleutel, const Klantgegevens& k)
{
    const QString map = AdressenMap(programmaMap);
    const QString bestand = platform::BestaandeNaam(map, KlantBestandsnaam(sleutel)).value_or(KlantBestandsnaam(sleutel));
    return QDir().mkpath(map) && platform::SchrijfBestand(platform::Pad(map, bestand), KlantBytes(sleutel, k));
}
