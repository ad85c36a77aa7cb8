#include "invoice/bedrijf_controle.h"

#include "invoice/bedrijf_velden.h"

#include <QRegularExpression>

namespace {

bool Past(const QString& tekst, const char* patroon)
{
    const QRegularExpression re(QRegularExpression::anchoredPattern(QString::fromLatin1(patroon)));
    return re.match(tekst).hasMatch();
}

// The remainder of the IBAN's number by 97, digit by digit: the number has
// up to 68 digits, far beyond any integer type.
int Rest97(const QString& iban)
{
    const QString omgezet = iban.mid(4) + iban.left(4);
    int rest = 0;
    for (const QChar c : omgezet) {
        const int waarde = c.isDigit() ? c.digitValue() : c.unicode() - 'A' + 10;
        rest = (rest * (waarde >= 10 ? 100 : 10) + waarde) % 97;
    }
    return rest;
}

}  // namespace

QString NormaalIban(const QString& iban)
{
    QString normaal;
    for (const QChar c : iban)
        if (!c.isSpace())
            normaal += c.toUpper();
    return normaal;
}

bool GeldigeIban(const QString& iban)
{
    const QString normaal = NormaalIban(iban);
    return Past(normaal, "[A-Z]{2}[0-9]{2}[A-Z0-9]{11,30}") && Rest97(normaal) == 1;
}

bool GeldigBtwNummer(const QString& btwNummer)
{
    return Past(btwNummer.trimmed(), "NL[0-9]{9}B[0-9]{2}");
}

bool GeldigKvkNummer(const QString& kvkNummer)
{
    return Past(kvkNummer.trimmed(), "[0-9]{8}");
}

bool GeldigeBic(const QString& bic)
{
    return Past(bic.trimmed().toUpper(), "[A-Z]{6}[A-Z0-9]{2}([A-Z0-9]{3})?");
}

bool GeldigeLandcode(const QString& land)
{
    return Past(land.trimmed().toUpper(), "[A-Z]{2}");
}

bool GeldigeBetaaltermijn(int dagen)
{
    return dagen >= 0 && dagen <= 365;
}

Bedrijfsgegevens Genormaliseerd(const Bedrijfsgegevens& b)
{
    Bedrijfsgegevens n = b;
    for (const BedrijfVeld& veld : BedrijfVelden())
        SlaOpAlsBedoeld(veld, n);
    return n;
}

std::optional<QString> FoutInBedrijfsgegevens(const Bedrijfsgegevens& b)
{
    if (!b.Land.trimmed().isEmpty() && !GeldigeLandcode(b.Land))
        return QStringLiteral("Land: vul een landcode van twee letters in, bijvoorbeeld NL.");
    if (!b.KvkNummer.trimmed().isEmpty() && !GeldigKvkNummer(b.KvkNummer))
        return QStringLiteral("KvK-nummer: een KvK-nummer bestaat uit 8 cijfers.");
    if (!b.BtwNummer.trimmed().isEmpty() && !GeldigBtwNummer(b.BtwNummer))
        return QStringLiteral("Btw-nummer: een btw-nummer bestaat uit NL, 9 cijfers, de letter B en 2 cijfers, "
                              "bijvoorbeeld NL123456789B01.");
    if (!NormaalIban(b.Iban).isEmpty() && !GeldigeIban(b.Iban))
        return QStringLiteral("IBAN: dit is geen geldig IBAN, de controlecijfers kloppen niet.");
    if (!b.Bic.trimmed().isEmpty() && !GeldigeBic(b.Bic))
        return QStringLiteral("BIC: een BIC bestaat uit 8 of 11 letters en cijfers.");
    if (!GeldigeBetaaltermijn(b.Betaaltermijn))
        return QStringLiteral("Betaaltermijn: vul een aantal dagen van 0 tot en met 365 in.");
    if (b.BetaalQr && (b.Bedrijfsnaam.trimmed().isEmpty() || !GeldigeIban(b.Iban)))
        return QStringLiteral("Betaal-QR op de factuur: daarvoor zijn een bedrijfsnaam en een geldig IBAN nodig.");
    return std::nullopt;
}

bool ZijnLeeg(const Bedrijfsgegevens& b)
{
    const Bedrijfsgegevens leeg;
    for (const BedrijfVeld& veld : BedrijfVelden())
        if (!ZelfdeVeld(veld, b, leeg))
            return false;
    return true;
}
