#include "invoice/invoice_file.h"

#include "invoice/mappen.h"
#include "invoice/settings_file.h"
#include "platform/files.h"
#include "platform/opslaan.h"
#include "platform/records.h"

using platform::RecordReader;
using platform::RecordWriter;

namespace {

// Twenty lines of typed text come nowhere near this; a larger file is not one of ours.
constexpr qint64 kGrootsteBestand = 1024 * 1024;

bool LeesDatum(RecordReader& r, std::optional<QString>& datum)
{
    if (r.LeesLegeRegel()) {
        datum.reset();
        return true;
    }
    QString gelezen;
    if (!r.LeesTekstIn(gelezen))
        return false;
    datum = gelezen;
    return true;
}

}  // namespace

void NieuweFactuur(Factuur& f)
{
    for (int i = 0; i < Factuur::kRegels; ++i) {
        f.Aantal[i].clear();
        f.Omschrijving[i].clear();
        f.Prijs[i].clear();
    }
    f.TotaalExBtw = {};
    f.TotaalBtw = {};
    f.TotaalInclBtw = {};
    f.BetreftNummer.clear();
    f.BetreftDatum.clear();
}

void WisRegelsZonderOmschrijving(Factuur& f)
{
    for (int i = 0; i < Factuur::kRegels; ++i) {
        if (f.Omschrijving[i].trimmed().isEmpty()) {
            f.Aantal[i].clear();
            f.Omschrijving[i].clear();
            f.Prijs[i].clear();
        }
    }
}

QByteArray FactuurBytes(const Factuur& f)
{
    const QString streep = QString::fromLatin1(kStreep);
    RecordWriter w;
    w.Schrijf({QString::fromLatin1(kBestandsKop)});
    w.Schrijf({streep});
    for (int i = 0; i < Factuur::kRegels; ++i)
        w.Schrijf({f.Aantal[i], f.Omschrijving[i], f.Prijs[i]});
    w.Schrijf({streep});
    if (f.FactuurDatum)
        w.Schrijf({*f.FactuurDatum});
    else
        w.Schrijf({platform::NietGezet{}});
    w.Schrijf({f.FactuurNummer});
    return w.Bytes();
}

bool LeesFactuur(Factuur& f, const QByteArray& bytes)
{
    RecordReader r(bytes);
    Factuur gelezen = f;
    if (!r.SlaVeldOver() || !r.SlaVeldOver())
        return false;
    for (int i = 0; i < Factuur::kRegels; ++i)
        if (!r.LeesTekstIn(gelezen.Aantal[i]) || !r.LeesTekstIn(gelezen.Omschrijving[i])
            || !r.LeesTekstIn(gelezen.Prijs[i]))
            return false;
    if (!r.SlaVeldOver() || !LeesDatum(r, gelezen.FactuurDatum) || !r.LeesTekstIn(gelezen.FactuurNummer))
        return false;
    // The file holds no credit-note mark: what it opens is an invoice.
    gelezen.BetreftNummer.clear();
    gelezen.BetreftDatum.clear();
    f = std::move(gelezen);
    return true;
}

bool LeesFactuur(Factuur& f, const QString& pad)
{
    const auto bytes = platform::LeesBestand(pad, kGrootsteBestand);
    return bytes && LeesFactuur(f, *bytes);
}

bool SaveFactuur(Factuur& f, platform::Prompts& prompts, const QString& programmaMap)
{
    const platform::Opslag opslag{QStringLiteral(" Factuur opslaan"),
                                  QStringLiteral("Geef een naam voor deze factuur.."),
                                  f.FactuurDatum.value_or(QString()),
                                  Map(programmaMap, Bestandsmap::Facturen),
                                  QString::fromLatin1(kFactuurExtensie),
                                  platform::kBestandBestaat,
                                  QStringLiteral("De factuur kon niet worden opgeslagen als ")};
    // The lines without a description go from the invoice only once the name is settled.
    return platform::Opslaan(prompts, opslag, [&f](const QString& tijdelijk, const QString&) {
               WisRegelsZonderOmschrijving(f);
               return platform::SchrijfInTijdelijk(tijdelijk, FactuurBytes(f));
           }).has_value();
}
