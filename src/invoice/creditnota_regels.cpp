#include "invoice/creditnota_regels.h"

bool IsCreditnota(const Factuur& f)
{
    return !f.BetreftNummer.trimmed().isEmpty();
}

QStringList CreditnotaRegels(const Factuur& f)
{
    if (!IsCreditnota(f))
        return {};
    QString betreft = QStringLiteral("Betreft factuur ") + f.BetreftNummer.trimmed();
    if (!f.BetreftDatum.trimmed().isEmpty())
        betreft += QStringLiteral(" van ") + f.BetreftDatum.trimmed();
    return {QStringLiteral("Creditnota"), betreft};
}
