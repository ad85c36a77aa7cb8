#include "invoice/company_file.h"

#include "invoice/bedrijf_velden.h"
#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/records.h"

#include <cmath>
#include <limits>

using platform::RecordReader;
using platform::RecordWriter;

namespace {

// Fifteen short records; a larger file is not one of ours.
constexpr qint64 kGrootsteBestand = 64 * 1024;

// One record a line, blank lines left out as the record reader leaves them.
QList<QByteArray> Records(const QByteArray& bytes)
{
    QList<QByteArray> records;
    for (QByteArray regel : platform::AlsCp1252(bytes).split('\n')) {
        if (regel.endsWith('\r'))
            regel.chop(1);
        if (!regel.trimmed().isEmpty())
            records << regel;
    }
    return records;
}

// A record of one text; of a text whose quote is never closed, what follows the quote.
bool LeesTekst(const QByteArray& record, QString& tekst)
{
    RecordReader r(record);
    if (r.LeesTekstIn(tekst) && r.AanHetEinde())
        return true;
    QByteArray ruw = record.trimmed();
    if (ruw.startsWith('"'))
        ruw.remove(0, 1);
    tekst = platform::VanCp1252(ruw);
    return false;
}

// A whole number as a record holds it; one outside the field's range is kept
// for the user to see, and counts as not usable.
bool LeesGetal(const QByteArray& record, const BedrijfVeld& veld, int& getal)
{
    RecordReader r(record);
    const auto waarde = r.LeesGetal();
    if (!waarde || !r.AanHetEinde() || std::fabs(*waarde) > std::numeric_limits<int>::max())
        return false;
    getal = static_cast<int>(std::nearbyint(*waarde));
    return getal >= veld.min && getal <= veld.max;
}

bool LeesVeld(const QByteArray& record, const BedrijfVeld& veld, Bedrijfsgegevens& b)
{
    if (const auto* tekst = std::get_if<QString Bedrijfsgegevens::*>(&veld.lid))
        return LeesTekst(record, b.**tekst);
    if (const auto* getal = std::get_if<int Bedrijfsgegevens::*>(&veld.lid))
        return LeesGetal(record, veld, b.**getal);
    if (const auto* vinkje = std::get_if<bool Bedrijfsgegevens::*>(&veld.lid)) {
        int waarde = 0;
        if (!LeesGetal(record, veld, waarde))
            return false;
        b.**vinkje = waarde == 1;
        return true;
    }
    const auto lid = std::get<NulTarief Bedrijfsgegevens::*>(veld.lid);
    QString code;
    const auto keuze = LeesTekst(record, code) ? NulTariefVan(code) : std::nullopt;
    if (keuze)
        b.*lid = *keuze;
    return keuze.has_value();
}

void SchrijfVeld(RecordWriter& w, const BedrijfVeld& veld, const Bedrijfsgegevens& b)
{
    std::visit(
        [&](auto lid) {
            using Waarde = std::remove_cvref_t<decltype(b.*lid)>;
            if constexpr (std::is_same_v<Waarde, QString>)
                w.Schrijf({b.*lid});
            else if constexpr (std::is_same_v<Waarde, NulTarief>)
                w.Schrijf({Categorie(b.*lid)});
            else
                w.Schrijf({double(b.*lid)});
        },
        veld.lid);
}

}  // namespace

GelezenBedrijf LeesBedrijfsgegevens(const QByteArray& bytes)
{
    const QList<QByteArray> records = Records(bytes);
    GelezenBedrijf gelezen;
    QString kop;
    if (records.isEmpty() || !LeesTekst(records[0], kop) || kop != QString::fromLatin1(kBedrijfKop))
        gelezen.onbruikbaar << QStringLiteral("de eerste regel");
    const auto velden = BedrijfVelden();
    for (std::size_t i = 0; i < velden.size(); ++i) {
        const qsizetype plaats = static_cast<qsizetype>(i) + 1;
        if (plaats >= records.size()) {
            if (!velden[i].later)
                gelezen.onbruikbaar << velden[i].naam;
            continue;
        }
        if (!LeesVeld(records[plaats], velden[i], gelezen.gegevens))
            gelezen.onbruikbaar << velden[i].naam;
    }
    return gelezen;
}

std::optional<GelezenBedrijf> LeesBedrijfsgegevens(const QString& pad)
{
    const auto bytes = platform::LeesBestand(pad, kGrootsteBestand);
    if (!bytes)
        return std::nullopt;
    return LeesBedrijfsgegevens(*bytes);
}

QString OnbruikbareVeldenMelding(const QString& pad, const QStringList& velden)
{
    return QStringLiteral("In ") + pad + QStringLiteral(" is niet te gebruiken: '") + velden.join(QStringLiteral("', '"))
         + QStringLiteral("'.\r\nDe andere bedrijfsgegevens zijn gelezen. Kijk de gegevens na onder 'Instellingen' / "
                          "'Bedrijfsgegevens'.");
}

QByteArray BedrijfsgegevensBytes(const Bedrijfsgegevens& b)
{
    const Bedrijfsgegevens standaard;
    bool laterGezegd = false;
    for (const BedrijfVeld& veld : BedrijfVelden())
        laterGezegd = laterGezegd || (veld.later && !ZelfdeVeld(veld, b, standaard));
    RecordWriter w;
    w.Schrijf({QString::fromLatin1(kBedrijfKop)});
    for (const BedrijfVeld& veld : BedrijfVelden())
        if (!veld.later || laterGezegd)
            SchrijfVeld(w, veld, b);
    return w.Bytes();
}

bool SchrijfBedrijfsgegevens(const Bedrijfsgegevens& b, const QString& pad)
{
    return platform::SchrijfBestand(pad, BedrijfsgegevensBytes(b));
}
