#include "invoice/prijs.h"

#include <QRegularExpression>

namespace {

// Below this a price is exact in every sum: twenty of them with their VAT stay
// far inside the range of an amount.
const platform::Bedrag kMiljard = platform::Bedrag::UitCenten(100'000'000'000);

platform::Bedrag ValMetPunt(const QString& tekst)
{
    return platform::Val(QString(tekst).replace(QLatin1Char(','), QLatin1Char('.')));
}

}  // namespace

std::optional<QString> GewoonGetal(const QString& tekst)
{
    // A point stands between thousands only where it cannot be the decimal
    // point: before a decimal comma, or one of several. "1.234" stays 1,234.
    static const QRegularExpression getal(
        QStringLiteral("^\\s*([+-]?)\\s*(€?)\\s*([+-]?)\\s*"
                       "(\\d{1,3}(?:\\.\\d{3})+,\\d*|\\d{1,3}(?:\\.\\d{3}){2,}|\\d+[.,]?\\d*|[.,]\\d+)"
                       "\\s*(€?)\\s*([+-]?)\\s*$"),
        QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpressionMatch m = getal.match(tekst);
    if (!m.hasMatch())
        return std::nullopt;
    const QString teken = m.captured(1) + m.captured(3) + m.captured(6);
    if (teken.size() > 1 || m.captured(2).size() + m.captured(5).size() > 1)
        return std::nullopt;
    QString cijfers = m.captured(4);
    if (cijfers.count(QLatin1Char('.')) > 1 || (cijfers.contains(QLatin1Char(',')) && cijfers.contains(QLatin1Char('.'))))
        cijfers.remove(QLatin1Char('.'));
    cijfers.replace(QLatin1Char(','), QLatin1Char('.'));
    return (teken == QLatin1String("-") ? teken : QString()) + cijfers;
}

bool IsBedrag(const QString& tekst)
{
    return GewoonGetal(tekst).has_value();
}

platform::Bedrag PrijsWaarde(const QString& prijs)
{
    return ValMetPunt(GewoonGetal(prijs).value_or(prijs));
}

platform::Bedrag PrijsInCenten(const QString& prijs)
{
    return PrijsWaarde(prijs).OpCenten();
}

QString OpgemaaktePrijs(const QString& tekst)
{
    const auto getal = GewoonGetal(tekst);
    return getal ? platform::FormatBedrag(platform::Val(*getal)) : tekst;
}

namespace {

// Whether a price held as that text stands for the amount typed to every
// reader, older programs' included, which read a comma as a point and stop
// at the second separator.
bool GelezenAlsGetypt(const QString& getypt, const QString& gehouden)
{
    const platform::Bedrag bedrag = PrijsWaarde(getypt);
    return PrijsWaarde(gehouden) == bedrag && ValMetPunt(gehouden) == bedrag;
}

// The text with every separator replaced as stored prices hold it;
// a number that text would misread becomes the plain number.
QString Gehouden(const QString& prijs, QChar van, QChar naar, const QString& alsGetal)
{
    const QString vervangen = QString(prijs).replace(van, naar);
    return !IsBedrag(prijs) || GelezenAlsGetypt(prijs, vervangen) ? vervangen : alsGetal;
}

}  // namespace

QString PrijsMetPunt(const QString& prijs)
{
    return Gehouden(prijs, QLatin1Char(','), QLatin1Char('.'), GewoonGetal(prijs).value_or(QString()));
}

QString PrijsMetKomma(const QString& prijs)
{
    return Gehouden(prijs, QLatin1Char('.'), QLatin1Char(','), OpgemaaktePrijs(prijs));
}

bool IsTeGrotePrijs(const QString& prijs)
{
    const platform::Bedrag centen = PrijsInCenten(prijs);
    return centen >= kMiljard || centen <= platform::Bedrag() - kMiljard;
}
