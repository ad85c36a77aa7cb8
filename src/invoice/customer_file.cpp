#include "invoice/customer_file.h"

#include "invoice/address_file.h"
#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/records.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

constexpr char kKop[] = "Quillet klantgegevens 2";
constexpr char kEersteKop[] = "Quillet klantgegevens";
// The first form held these fields in this order.
constexpr const char* kEersteVelden[] = {"Naam",          "Straat en huisnummer", "Postcode", "Plaats",
                                         "Land",          "Uw referentie",        "Btw-nummer", "E-mail",
                                         "Btw 0 %",       "Reden vrijstelling"};

// A dozen short texts; anything larger is not a customer file.
constexpr qint64 kGrootsteKlantBestand = 64 * 1024;
// Customers whose first lines make the same file name get a number each.
constexpr int kMeesteNamen = 100;

// The first line as a record holds it: in the code page, a double quote as a single one.
QString AlsOpgeslagen(QString tekst)
{
    return platform::VanCp1252(platform::NaarCp1252(tekst.replace(QLatin1Char('"'), QLatin1Char('\''))));
}

const KlantVeld* VeldVan(const QString& naam)
{
    const auto velden = KlantVelden();
    const auto it = std::find_if(velden.begin(), velden.end(), [&](const KlantVeld& v) { return v.naam == naam; });
    return it != velden.end() ? &*it : nullptr;
}

// Takes a value for the named field; a field this program does not know is
// passed over, so a file holding a field the program does not keep still reads.
void Neem(GelezenKlant& gelezen, const QString& naam, const QString& waarde)
{
    if (const KlantVeld* veld = VeldVan(naam); veld && !veld->zet(gelezen.gegevens, waarde))
        gelezen.onbruikbaar << naam;
}

void LeesVelden(platform::RecordReader& r, GelezenKlant& gelezen)
{
    while (!r.AanHetEinde()) {
        const auto naam = r.LeesTekst();
        const auto waarde = naam ? r.LeesTekst() : std::nullopt;
        if (!waarde) {
            gelezen.onbruikbaar << naam.value_or(QStringLiteral("?"));
            return;   // past a broken record nothing can be placed
        }
        Neem(gelezen, *naam, *waarde);
    }
}

void LeesEersteVorm(platform::RecordReader& r, GelezenKlant& gelezen)
{
    for (const char* naam : kEersteVelden) {
        const auto waarde = r.LeesTekst();
        if (!waarde) {
            gelezen.onbruikbaar << QString::fromUtf8(naam);
            return;
        }
        Neem(gelezen, QString::fromUtf8(naam), *waarde);
    }
}

// The address a customer file names; nothing when the bytes are no customer file.
std::optional<QString> EigenaarVan(const QByteArray& bytes)
{
    platform::RecordReader r(bytes);
    const auto kop = r.LeesTekst();
    if (kop != QLatin1String(kKop) && kop != QLatin1String(kEersteKop))
        return std::nullopt;
    return r.LeesTekst();
}

enum class Plaats {
    Vrij,           // no file
    VanDezeKlant,
    VanEenAndere,   // a customer file of another address, or no regular file (a link, a folder)
    Onbekend,       // a file that is no customer file at all
};

Plaats WieStaatEr(const QString& map, const QString& naam, const QString& sleutel,
                  std::optional<GelezenKlant>* gelezen = nullptr)
{
    const auto bestand = platform::BestaandeNaam(map, naam);
    const QString pad = platform::Pad(map, bestand.value_or(naam));
    if (platform::GeenGewoonBestand(pad))
        return bestand || QFileInfo::exists(pad) ? Plaats::VanEenAndere : Plaats::Vrij;
    if (!bestand)
        return Plaats::Vrij;
    const auto bytes = platform::LeesBestand(pad, kGrootsteKlantBestand);
    const auto eigenaar = bytes ? EigenaarVan(*bytes) : std::nullopt;
    if (!eigenaar)
        return Plaats::Onbekend;
    if (*eigenaar != AlsOpgeslagen(sleutel))
        return Plaats::VanEenAndere;
    if (gelezen)
        *gelezen = LeesKlant(*bytes, sleutel);
    return Plaats::VanDezeKlant;
}

}  // namespace

QString KlantBestandsnaam(const QString& sleutel, int n)
{
    QString naam = platform::AlsBestandsnaam(sleutel, platform::kLangsteNaam);
    if (n > 1)
        naam += QStringLiteral(" (%1)").arg(n);
    return naam + QLatin1String(kKlantExtensie);
}

QByteArray KlantBytes(const QString& sleutel, const Klantgegevens& k)
{
    platform::RecordWriter w;
    w.Schrijf({QString::fromLatin1(kKop)});
    w.Schrijf({sleutel});
    for (const KlantVeld& v : KlantVelden())
        w.Schrijf({v.naam, v.lees(k)});
    return w.Bytes();
}

std::optional<GelezenKlant> LeesKlant(const QByteArray& bytes, const QString& sleutel)
{
    platform::RecordReader r(bytes);
    const auto kop = r.LeesTekst();
    const auto eigenaar = r.LeesTekst();
    // Two addresses whose first lines make the same file name: the file
    // belongs to the one it names.
    if (eigenaar != AlsOpgeslagen(sleutel))
        return std::nullopt;
    GelezenKlant gelezen;
    if (kop == QLatin1String(kKop))
        LeesVelden(r, gelezen);
    else if (kop == QLatin1String(kEersteKop))
        LeesEersteVorm(r, gelezen);
    else
        return std::nullopt;
    return gelezen;
}

std::optional<GelezenKlant> OnthoudenKlant(const QString& programmaMap, const QString& sleutel)
{
    const QString map = Map(programmaMap, Bestandsmap::Adressen);
    for (int n = 1; n <= kMeesteNamen; ++n) {
        std::optional<GelezenKlant> gelezen;
        switch (WieStaatEr(map, KlantBestandsnaam(sleutel, n), sleutel, &gelezen)) {
        case Plaats::Vrij:
            return std::nullopt;
        case Plaats::VanDezeKlant:
            return gelezen;
        case Plaats::VanEenAndere:
        case Plaats::Onbekend:
            break;
        }
    }
    return std::nullopt;
}

bool OnthoudKlant(const QString& programmaMap, const QString& sleutel, const Klantgegevens& k)
{
    const QString map = Map(programmaMap, Bestandsmap::Adressen);
    if (!QDir().mkpath(map))
        return false;
    for (int n = 1; n <= kMeesteNamen; ++n) {
        const QString naam = KlantBestandsnaam(sleutel, n);
        if (WieStaatEr(map, naam, sleutel) != Plaats::VanEenAndere)
            return platform::SchrijfBestand(platform::GevondenPad(map, naam), KlantBytes(sleutel, k));
    }
    return false;
}

GelezenKlant KlantVoorstel(const Factuur& f, const QString& programmaMap)
{
    GelezenKlant voorstel = OnthoudenKlant(programmaMap, KlantSleutel(f.AdresTekst))
                                .value_or(GelezenKlant{KlantUitAdres(f.AdresTekst), {}});
    if (voorstel.gegevens.Referentie.trimmed().isEmpty())
        voorstel.gegevens.Referentie = f.FactuurNummer;
    return voorstel;
}

Klantgegevens TeOnthouden(Klantgegevens k, const Factuur& f)
{
    if (k.Referentie.trimmed() == f.FactuurNummer.trimmed())
        k.Referentie.clear();
    return k;
}
