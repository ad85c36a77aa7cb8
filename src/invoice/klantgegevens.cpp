#include "invoice/klantgegevens.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

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
