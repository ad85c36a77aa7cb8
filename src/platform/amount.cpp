#include "platform/amount.h"

#include <algorithm>

namespace platform {

namespace {

constexpr int kGelezenDecimalen = 6;

constexpr std::int64_t TienTotDe(int macht)
{
    std::int64_t waarde = 1;
    for (int i = 0; i < macht; ++i)
        waarde *= 10;
    return waarde;
}

bool IsAsciiCijfer(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Half away from zero on the magnitude, so -0,125 and 0,125 mirror each other.
std::int64_t AfgerondOp(std::int64_t eenheden, std::int64_t stap)
{
    const std::int64_t grootte = eenheden < 0 ? -eenheden : eenheden;
    const std::int64_t afgerond = (grootte + stap / 2) / stap * stap;
    return eenheden < 0 ? -afgerond : afgerond;
}

}  // namespace

Bedrag Bedrag::MaalProcent(int procent) const
{
    return Bedrag(eenheden_ / 100 * procent + eenheden_ % 100 * procent / 100);
}

Bedrag Bedrag::Afgerond(int decimalen) const
{
    decimalen = std::clamp(decimalen, 0, kDecimalen);
    return Bedrag(AfgerondOp(eenheden_, TienTotDe(kDecimalen - decimalen)));
}

QString Bedrag::Tekst(int decimalen, QChar scheiding) const
{
    decimalen = std::clamp(decimalen, 0, kDecimalen);
    const std::int64_t stap = TienTotDe(kDecimalen - decimalen);
    const std::int64_t afgerond = AfgerondOp(eenheden_, stap) / stap;
    const std::int64_t grootte = afgerond < 0 ? -afgerond : afgerond;
    const std::int64_t deler = TienTotDe(decimalen);
    QString tekst = QString::number(grootte / deler);
    if (decimalen > 0)
        tekst += scheiding + QString::number(grootte % deler).rightJustified(decimalen, QLatin1Char('0'));
    return afgerond < 0 ? QLatin1Char('-') + tekst : tekst;
}

QString FormatBedrag(Bedrag bedrag)
{
    return bedrag.Tekst(2, QLatin1Char(','));
}

Bedrag Val(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    bool negatief = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        negatief = text[i++] == QLatin1Char('-');

    constexpr std::int64_t kGrens = Bedrag::kGrootste / Bedrag::kEenheidenPerEuro;
    std::int64_t euros = 0;
    bool cijfer = false;
    bool teGroot = false;
    for (; i < text.size() && IsAsciiCijfer(text[i]); ++i) {
        cijfer = true;
        euros = euros * 10 + text[i].unicode() - '0';
        if (euros > kGrens) {
            teGroot = true;
            euros = kGrens;
        }
    }
    std::int64_t fractie = 0;  // in millionths
    int gelezen = 0;
    bool naarBoven = false;
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        for (++i; i < text.size() && IsAsciiCijfer(text[i]); ++i) {
            cijfer = true;
            if (gelezen < kGelezenDecimalen)
                fractie = fractie * 10 + text[i].unicode() - '0';
            else if (gelezen == kGelezenDecimalen)
                naarBoven = text[i] >= QLatin1Char('5');
            ++gelezen;
        }
    }
    if (!cijfer)
        return {};
    fractie *= TienTotDe(kGelezenDecimalen - std::min(gelezen, kGelezenDecimalen));
    constexpr std::int64_t kPerMiljoenste = TienTotDe(Bedrag::kDecimalen - kGelezenDecimalen);
    std::int64_t eenheden = euros * Bedrag::kEenheidenPerEuro + (fractie + naarBoven) * kPerMiljoenste;
    if (teGroot || eenheden > Bedrag::kGrootste)
        eenheden = Bedrag::kGrootste;
    return Bedrag::UitEenheden(negatief ? -eenheden : eenheden);
}

}  // namespace platform
