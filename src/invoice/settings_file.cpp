#include "invoice/settings_file.h"

#include "platform/files.h"
#include "platform/records.h"

#include <limits>

using platform::RecordReader;
using platform::RecordWriter;

namespace {

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

}  // namespace

bool LeesInstellingen(Factuur& f, const QByteArray& bytes)
{
    RecordReader r(bytes);
    if (!r.SlaVeldOver() || !r.SlaVeldOver() || !r.LeesTekstIn(f.GereserveerdeTekst))
        return false;
    if (!LeesGeheel(r, f.KleurR) || !LeesGeheel(r, f.KleurG) || !LeesGeheel(r, f.KleurB))
        return false;
    if (!r.SlaVeldOver() || !r.LeesTekstIn(f.AchtergrondBestand) || !r.LeesTekstIn(f.LogoBestand)
        || !r.SlaVeldOver())
        return false;
    for (int i = 1; i <= 8; ++i)
        if (!r.LeesTekstIn(f.KopTekst[i]))
            return false;
    if (!r.SlaVeldOver() || !LeesGeheel(r, f.LayoutNr) || !r.SlaVeldOver())
        return false;
    return r.LeesTekstIn(f.AfzenderTekst) && r.SlaVeldOver() && r.LeesTekstIn(f.AdresTekst) && r.SlaVeldOver()
        && r.LeesTekstIn(f.VoetTekst[1]) && r.LeesTekstIn(f.VoetTekst[2]);
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
    w.Schrijf({QString::fromLatin1(kBestandsKop)});
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
