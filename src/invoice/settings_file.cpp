#include "invoice/settings_file.h"

#include "platform/files.h"
#include "platform/records.h"

#include <limits>

using platform::RecordReader;
using platform::RecordWriter;

namespace {

constexpr char kKop[] = "Averno Software 2011";
constexpr char kStreep[] = "--------------------------";
// Far beyond any real settings file; a larger file is not one of ours.
constexpr qint64 kGrootsteBestand = 4 * 1024 * 1024;

template <typename T>
bool LeesGeheel(RecordReader& r, T& veld)
{
    const auto waarde = r.LeesGeheel(std::numeric_limits<T>::min(), std::numeric_limits<T>::max());
    if (!waarde)
        return false;
    veld = static_cast<T>(*waarde);
    return true;
}

bool LeesTekst(RecordReader& r, QString& veld)
{
    const auto waarde = r.LeesTekst();
    if (!waarde)
        return false;
    veld = *waarde;
    return true;
}

bool SlaOver(RecordReader& r)
{
    return r.LeesTekst().has_value();
}

}  // namespace

bool LeesInstellingen(Factuur& f, const QByteArray& bytes)
{
    RecordReader r(bytes);
    if (!SlaOver(r) || !SlaOver(r) || !LeesTekst(r, f.GereserveerdeTekst))
        return false;
    if (!LeesGeheel(r, f.KleurR) || !LeesGeheel(r, f.KleurG) || !LeesGeheel(r, f.KleurB))
        return false;
    if (!SlaOver(r) || !LeesTekst(r, f.AchtergrondBestand) || !LeesTekst(r, f.LogoBestand) || !SlaOver(r))
        return false;
    for (int i = 1; i <= 8; ++i)
        if (!LeesTekst(r, f.KopTekst[i]))
            return false;
    if (!SlaOver(r) || !LeesGeheel(r, f.LayoutNr) || !SlaOver(r))
        return false;
    return LeesTekst(r, f.AfzenderTekst) && SlaOver(r) && LeesTekst(r, f.AdresTekst) && SlaOver(r)
        && LeesTekst(r, f.VoetTekst[1]) && LeesTekst(r, f.VoetTekst[2]);
}

bool LeesInstellingen(Factuur& f, const QString& pad)
{
    const auto bytes = platform::LeesBestand(pad, kGrootsteBestand);
    return bytes && LeesInstellingen(f, *bytes);
}

QByteArray InstellingenBytes(const Factuur& f)
{
    const QString streep = QString::fromLatin1(kStreep);
    RecordWriter w;
    w.Schrijf({QString::fromLatin1(kKop)});
    w.Schrijf({streep});
    w.Schrijf({f.GereserveerdeTekst});
    w.Schrijf({double(f.KleurR), double(f.KleurG), double(f.KleurB)});
    w.Schrijf({streep});
    w.Schrijf({f.AchtergrondBestand});
    w.Schrijf({f.LogoBestand});
    w.Schrijf({streep});
    for (int i = 1; i <= 8; ++i)
        w.Schrijf({f.KopTekst[i]});
    w.Schrijf({streep});
    w.Schrijf({double(f.LayoutNr)});
    w.Schrijf({streep});
    w.Schrijf({f.AfzenderTekst});
    w.Schrijf({streep});
    w.Schrijf({f.AdresTekst});
    w.Schrijf({streep});
    w.Schrijf({f.VoetTekst[1]});
    w.Schrijf({f.VoetTekst[2]});
    return w.Bytes();
}

bool SchrijfInstellingen(const Factuur& f, const QString& pad)
{
    return platform::SchrijfBestand(pad, InstellingenBytes(f));
}
