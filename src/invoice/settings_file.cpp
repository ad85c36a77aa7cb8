#include "invoice/settings_file.h"

#include "platform/files.h"
#include "platform/records.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

// Keeps the file beside it under a name of its own.
bool BewaarOnleesbaar(const QString& pad)
{
    const QFileInfo bestand(pad);
    for (int nummer = 1; nummer < 1000; ++nummer) {
        const QString naam = bestand.completeBaseName() + QStringLiteral("-onleesbaar")
            + (nummer > 1 ? QStringLiteral("-%1").arg(nummer) : QString()) + QStringLiteral(".") + bestand.suffix();
        const QString bewaard = bestand.dir().filePath(naam);
        if (QFileInfo::exists(bewaard) || QFileInfo(bewaard).isSymLink())
            continue;
        return QFile::rename(pad, bewaard);
    }
    return false;
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
    // A layout the page does not know would stack the headings at the top
    // left and leave the totals out: such a record is as unreadable as text.
    const auto layout = r.SlaVeldOver() ? r.LeesGeheel(1, 2) : std::nullopt;
    if (!layout)
        return false;
    f.LayoutNr = static_cast<std::uint8_t>(*layout);
    if (!r.SlaVeldOver())
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

bool HerschrijfInstellingen(const Factuur& f, const QString& pad)
{
    if (QFileInfo::exists(pad) && !BewaarOnleesbaar(pad))
        return false;
    return SchrijfInstellingen(f, pad);
}
