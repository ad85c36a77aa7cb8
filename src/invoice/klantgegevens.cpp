#include "invoice/klantgegevens.h"

#include "invoice/bedrijf_controle.h"

#include <QRegularExpression>
#include <QStringList>

#include <array>

namespace {

QStringList AdresRegels(const QString& adresTekst)
{
    QStringList regels = adresTekst.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    for (QString& regel : regels)
        regel = regel.trimmed();
    return regels;
}

QString Getrimd(const QString& tekst)
{
    return tekst.trimmed();
}

template <QString Klantgegevens::*veld>
QString LeesTekst(const Klantgegevens& k)
{
    return k.*veld;
}

template <QString Klantgegevens::*veld, QString (*normaal)(const QString&)>
bool ZetTekst(Klantgegevens& k, const QString& tekst)
{
    k.*veld = normaal(tekst);
    return true;
}

// A choice field holds its enum; the file and the dialog know it by the
// code of the choice at the enum's place.
template <typename Enum, Enum Klantgegevens::*veld, std::span<const KlantKeuze> (*keuzes)()>
QString LeesKeuze(const Klantgegevens& k)
{
    return keuzes()[static_cast<std::size_t>(k.*veld)].code;
}

template <typename Enum, Enum Klantgegevens::*veld, std::span<const KlantKeuze> (*keuzes)()>
bool ZetKeuze(Klantgegevens& k, const QString& code)
{
    const auto lijst = keuzes();
    for (std::size_t i = 0; i < lijst.size(); ++i)
        if (lijst[i].code == code.trimmed()) {
            k.*veld = static_cast<Enum>(i);
            return true;
        }
    return false;
}

template <QString Klantgegevens::*veld, QString (*normaal)(const QString&) = Getrimd>
KlantVeld Tekst(const char* naam)
{
    return {QString::fromUtf8(naam), LeesTekst<veld>, ZetTekst<veld, normaal>, {}};
}

template <typename Enum, Enum Klantgegevens::*veld, std::span<const KlantKeuze> (*keuzes)()>
KlantVeld Keuze(const char* naam)
{
    return {QString::fromUtf8(naam), LeesKeuze<Enum, veld, keuzes>, ZetKeuze<Enum, veld, keuzes>, keuzes()};
}

}  // namespace

std::span<const KlantKeuze> KlantIdKeuzes()
{
    static const std::array<KlantKeuze, 5> keuzes{{
        {QString(), QStringLiteral("Geen: per e-mail, niet via Peppol")},
        {QStringLiteral("0106"), QStringLiteral("KvK-nummer")},
        {QStringLiteral("0190"), QStringLiteral("OIN (Nederlandse overheid)")},
        {QStringLiteral("btw"), QStringLiteral("Btw-nummer")},
        {QStringLiteral("0088"), QStringLiteral("GLN")},
    }};
    return keuzes;
}

std::span<const KlantKeuze> ProfielKeuzes()
{
    static const std::array<KlantKeuze, 2> keuzes{{
        {QStringLiteral("peppol"), QStringLiteral("Peppol BIS 3.0")},
        {QStringLiteral("nlcius"), QStringLiteral("SI-UBL 2.0 (Nederlandse overheid en pakketten)")},
    }};
    return keuzes;
}

std::span<const KlantVeld> KlantVelden()
{
    static const std::array<KlantVeld, 11> velden{{
        Tekst<&Klantgegevens::Naam>("Naam"),
        Tekst<&Klantgegevens::Straat>("Straat en huisnummer"),
        Tekst<&Klantgegevens::Postcode>("Postcode"),
        Tekst<&Klantgegevens::Plaats>("Plaats"),
        Tekst<&Klantgegevens::Land, Hoofdletters>("Land"),
        Tekst<&Klantgegevens::Referentie>("Uw referentie"),
        Tekst<&Klantgegevens::BtwNummer, NormaalNummer>("Btw-nummer"),
        Tekst<&Klantgegevens::Email>("E-mail"),
        Keuze<KlantId, &Klantgegevens::Id, KlantIdKeuzes>("Peppol-adres"),
        Tekst<&Klantgegevens::IdNummer, NormaalNummer>("Nummer"),
        Keuze<Profielkeuze, &Klantgegevens::Profiel, ProfielKeuzes>("Profiel"),
    }};
    return velden;
}

Klantgegevens Genormaliseerd(const Klantgegevens& k)
{
    Klantgegevens n = k;
    for (const KlantVeld& v : KlantVelden())
        v.zet(n, v.lees(k));
    return n;
}

QString KlantSleutel(const QString& adresTekst)
{
    return AdresRegels(adresTekst).value(0);
}

Klantgegevens KlantUitAdres(const QString& adresTekst)
{
    // "1234 AB Plaats", "1234AB, Plaats", "1234 ab plaats": four digits, two
    // letters that end there, then the town.
    static const QRegularExpression postcode(
        QStringLiteral("^([1-9][0-9]{3}) ?([A-Za-z]{2})(?![A-Za-z0-9])[ ,]*(.*)$"));
    const QStringList regels = AdresRegels(adresTekst);
    Klantgegevens k;
    k.Naam = regels.value(0);
    for (qsizetype i = 1; i < regels.size(); ++i) {
        const auto m = postcode.match(regels[i]);
        if (!m.hasMatch())
            continue;
        k.Postcode = m.captured(1) + QLatin1Char(' ') + m.captured(2).toUpper();
        k.Plaats = m.captured(3).trimmed();
        if (i >= 2)
            k.Straat = regels[i - 1];
        break;
    }
    return k;
}
