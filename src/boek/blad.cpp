#include "boek/blad.h"

#include "invoice/company_file.h"
#include "platform/records.h"

using platform::RecordReader;
using platform::RecordWriter;

namespace {

constexpr char kBladKop[] = "Quillet factuurblad";
constexpr int kBladVersie = 1;

QString MetKomma(QString prijs)
{
    return prijs.replace(QLatin1Char('.'), QLatin1Char(','));
}

}  // namespace

QByteArray BladBytes(const Factuur& f)
{
    RecordWriter w;
    w.Schrijf({QString::fromLatin1(kBladKop), double(kBladVersie)});
    for (int i = 0; i < Factuur::kRegels; ++i)
        w.Schrijf({f.Aantal[i], f.Omschrijving[i], MetKomma(f.Prijs[i])});
    for (int i = 1; i <= 8; ++i)
        w.Schrijf({f.KopTekst[i]});
    w.Schrijf({f.VoetTekst[1], f.VoetTekst[2]});
    w.Schrijf({f.AfzenderTekst});
    w.Schrijf({f.AdresTekst});
    if (f.FactuurDatum)
        w.Schrijf({*f.FactuurDatum});
    else
        w.Schrijf({platform::NietGezet{}});
    w.Schrijf({f.FactuurNummer, f.BetreftNummer, f.BetreftDatum});
    w.Schrijf({double(f.LayoutNr), double(f.BtwProcent), Categorie(f.Nultarief), f.RedenVrijstelling});
    w.Schrijf({f.LogoBestand, f.AchtergrondBestand});
    return w.Bytes() + BedrijfsgegevensBytes(f.Bedrijf);
}

bool LeesBlad(Factuur& f, const QByteArray& bytes)
{
    RecordReader r(bytes);
    Factuur g = f;
    if (r.LeesTekst() != QString::fromLatin1(kBladKop) || r.LeesGeheel(kBladVersie, kBladVersie) != kBladVersie)
        return false;
    for (int i = 0; i < Factuur::kRegels; ++i)
        if (!r.LeesTekstIn(g.Aantal[i]) || !r.LeesTekstIn(g.Omschrijving[i]) || !r.LeesTekstIn(g.Prijs[i]))
            return false;
    for (int i = 1; i <= 8; ++i)
        if (!r.LeesTekstIn(g.KopTekst[i]))
            return false;
    for (QString* tekst : {&g.VoetTekst[1], &g.VoetTekst[2], &g.AfzenderTekst, &g.AdresTekst})
        if (!r.LeesTekstIn(*tekst))
            return false;
    if (r.LeesLegeRegel())
        g.FactuurDatum.reset();
    else if (const auto datum = r.LeesTekst())
        g.FactuurDatum = *datum;
    else
        return false;
    for (QString* tekst : {&g.FactuurNummer, &g.BetreftNummer, &g.BetreftDatum})
        if (!r.LeesTekstIn(*tekst))
            return false;
    const auto layout = r.LeesGeheel(0, 255);
    const auto procent = r.LeesGeheel(0, 30);
    const auto categorie = r.LeesTekst();
    const auto geval = categorie ? NulTariefVan(*categorie) : std::nullopt;
    if (!layout || !procent || !geval || !r.LeesTekstIn(g.RedenVrijstelling) || !r.LeesTekstIn(g.LogoBestand)
        || !r.LeesTekstIn(g.AchtergrondBestand))
        return false;
    // The book wrote these details whole: a field that cannot be used is damage.
    const GelezenBedrijf bedrijf = LeesBedrijfsgegevens(r.Rest());
    if (!bedrijf.onbruikbaar.isEmpty())
        return false;
    g.LayoutNr = std::uint8_t(*layout);
    g.BtwProcent = std::uint8_t(*procent);
    g.Nultarief = *geval;
    g.Bedrijf = bedrijf.gegevens;
    f = std::move(g);
    return true;
}
