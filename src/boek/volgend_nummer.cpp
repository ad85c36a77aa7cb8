#include "boek/volgend_nummer.h"

#include <QRegularExpression>

namespace {

// A year at the start, then something that is no digit, then the counter.
const QRegularExpression kJaarReeks(QStringLiteral("^((?:19|20)[0-9][0-9])([^0-9]+)([0-9]+)$"));
const QRegularExpression kLaatsteGetal(QStringLiteral("([0-9]+)([^0-9]*)$"));

QString Opgehoogd(const QString& cijfers)
{
    QString volgend = cijfers;
    int i = int(volgend.size()) - 1;
    while (i >= 0 && volgend[i] == QLatin1Char('9'))
        volgend[i--] = QLatin1Char('0');
    if (i < 0)
        return QLatin1Char('1') + volgend;
    volgend[i] = QChar(volgend[i].unicode() + 1);
    return volgend;
}

}  // namespace

QString VolgendNummer(const QString& laatste, QDate vandaag)
{
    const QString nummer = laatste.trimmed();
    const auto jaar = kJaarReeks.match(nummer);
    if (jaar.hasMatch() && jaar.captured(1).toInt() < vandaag.year())
        return QString::number(vandaag.year()) + jaar.captured(2)
               + QStringLiteral("1").rightJustified(jaar.captured(3).size(), QLatin1Char('0'));
    const auto getal = kLaatsteGetal.match(nummer);
    if (!getal.hasMatch())
        return {};
    return nummer.left(getal.capturedStart(1)) + Opgehoogd(getal.captured(1)) + getal.captured(2);
}

QString VoorgesteldNummer(const QString& huidig, const QString& laatste,
                          const std::function<bool(const QString&)>& isUitgegeven, QDate vandaag)
{
    if (laatste.isEmpty() || !isUitgegeven(huidig))
        return huidig;
    QString nummer = VolgendNummer(laatste, vandaag);
    // Bounded: a book holds far fewer numbers than this.
    for (int poging = 0; !nummer.isEmpty() && isUitgegeven(nummer) && poging < 100000; ++poging)
        nummer = VolgendNummer(nummer, vandaag);
    return nummer.isEmpty() ? huidig : nummer;
}
