#include "invoice/klantgegevens.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

constexpr NulTarief kKeuzes[] = {NulTarief::NulProcent, NulTarief::Vrijgesteld, NulTarief::Verlegd,
                                 NulTarief::Intracommunautair};

QStringList AdresRegels(const QString& adresTekst)
{
    QStringList regels = adresTekst.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    for (QString& regel : regels)
        regel = regel.trimmed();
    return regels;
}

}  // namespace

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

QString Categorie(NulTarief keuze)
{
    switch (keuze) {
    case NulTarief::NulProcent:
        return QStringLiteral("Z");
    case NulTarief::Vrijgesteld:
        return QStringLiteral("E");
    case NulTarief::Verlegd:
        return QStringLiteral("AE");
    case NulTarief::Intracommunautair:
        return QStringLiteral("K");
    }
    return QStringLiteral("Z");
}

std::optional<NulTarief> NulTariefVan(const QString& categorie)
{
    for (NulTarief keuze : kKeuzes)
        if (Categorie(keuze) == categorie)
            return keuze;
    return std::nullopt;
}
