#include "platform/tekens.h"

namespace platform {

namespace {

bool IsPaarBij(const QString& tekst, qsizetype i)
{
    return tekst[i].isHighSurrogate() && i + 1 < tekst.size() && tekst[i + 1].isLowSurrogate();
}

}  // namespace

QString HeleTekens(const QString& tekst)
{
    QString heel;
    heel.reserve(tekst.size());
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        if (IsPaarBij(tekst, i)) {
            heel.append(tekst.sliced(i, 2));
            ++i;
        } else if (!tekst[i].isSurrogate()) {
            heel.append(tekst[i]);
        }
    }
    return heel;
}

QString EersteTekens(const QString& tekst, qsizetype n)
{
    qsizetype eind = 0;
    for (qsizetype tekens = 0; eind < tekst.size() && tekens < n; ++tekens)
        eind += IsPaarBij(tekst, eind) ? 2 : 1;
    return tekst.left(eind);
}

QString ZonderLaatsteTeken(const QString& tekst)
{
    const qsizetype n = tekst.size();
    const bool paar = n >= 2 && tekst[n - 1].isLowSurrogate() && tekst[n - 2].isHighSurrogate();
    return tekst.left(n - (paar ? 2 : 1));
}

}  // namespace platform
