#include "invoice/bedrijf_controle.h"

#include "invoice/bedrijf_velden.h"
#include "invoice/eu_landen.h"

#include <QHash>
#include <QRegularExpression>

namespace {

bool Past(const QString& tekst, const QString& patroon)
{
    const QRegularExpression re(QRegularExpression::anchoredPattern(patroon));
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

QString Hoofdletters(const QString& code)
{
    QString hoog = code.trimmed();
    for (QChar& c : hoog)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = c.toUpper();
    return hoog;
}

QString NormaalNummer(const QString& nummer)
{
    QString normaal;
    for (const QChar c : nummer)
        if (!c.isSpace() && c != QLatin1Char('.') && c != QLatin1Char('-'))
            normaal += c;
    return Hoofdletters(normaal);
}

int IbanLengte(const QString& land)
{
    // The lengths of the IBAN registry (ISO 13616), country by country.
    static const QHash<QString, int> lengtes = [] {
        QHash<QString, int> h;
        const char* const paren[] = {
            "AD24", "AE23", "AL28", "AT20", "AZ28", "BA20", "BE16", "BG22", "BH22", "BI27", "BR29", "BY28",
            "CH21", "CR22", "CY28", "CZ24", "DE22", "DJ27", "DK18", "DO28", "EE20", "EG29", "ES24", "FI18",
            "FK18", "FO18", "FR27", "GB22", "GE22", "GI23", "GL18", "GR27", "GT28", "HN28", "HR21", "HU28",
            "IE22", "IL23", "IQ23", "IS26", "IT27", "JO30", "KW30", "KZ20", "LB28", "LC32", "LI21", "LT20",
            "LU20", "LV21", "LY25", "MC27", "MD24", "ME22", "MK19", "MN20", "MR27", "MT31", "MU30", "NI28",
            "NL18", "NO15", "OM23", "PK24", "PL28", "PS29", "PT25", "QA29", "RO24", "RS22", "RU33", "SA24",
            "SC31", "SD18", "SE24", "SI19", "SK24", "SM27", "SO23", "ST25", "SV28", "TL23", "TN24", "TR26",
            "UA29", "VA22", "VG24", "XK20", "YE30",
        };
        for (const char* paar : paren)
            h.insert(QString::fromLatin1(paar, 2), QString::fromLatin1(paar + 2).toInt());
        return h;
    }();
    return lengtes.value(land.trimmed().toUpper(), 0);
}

std::optional<QString> FoutInIban(const QString& iban)
{
    const QString normaal = NormaalNummer(iban);
    const int lengte = IbanLengte(normaal.left(2));
    if (!Past(normaal, QStringLiteral("[A-Z]{2}[0-9]{2}[A-Z0-9]+")) || lengte == 0)
        return QStringLiteral("een IBAN begint met de twee letters van een land met IBAN en twee controlecijfers.");
    if (normaal.size() != lengte)
        return QStringLiteral("een IBAN uit %1 heeft %2 tekens, dit heeft er %3.")
            .arg(normaal.left(2)).arg(lengte).arg(normaal.size());
    // 00, 01 and 99 never come out of the check digits' computation.
    const int controle = normaal.mid(2, 2).toInt();
    if (controle < 2 || controle > 98 || Rest97(normaal) != 1)
        return QStringLiteral("dit is geen geldig IBAN, de controlecijfers kloppen niet.");
    return std::nullopt;
}

bool GeldigeIban(const QString& iban)
{
    return !FoutInIban(iban);
}

bool GeldigBtwNummer(const QString& btwNummer)
{
    return BtwNummerVanLand(btwNummer, QStringLiteral("NL"));
}

bool BtwNummerVanLand(const QString& btwNummer, const QString& land)
{
    const QString nummer = NormaalNummer(btwNummer);
    const QString code = land.trimmed().toUpper();
    if (const EuLand* eu = EuLandVan(code))
        return nummer.startsWith(eu->btwPrefix) && Past(nummer.mid(2), eu->btwVorm);
    // Outside the Union the number at least carries the country's code.
    return GeldigeLandcode(code) && nummer.startsWith(code) && Past(nummer.mid(2), QStringLiteral("[0-9A-Z]{2,16}"));
}

bool GeldigKvkNummer(const QString& kvkNummer)
{
    return Past(kvkNummer.trimmed(), QStringLiteral("[0-9]{8}"));
}

bool GeldigOin(const QString& oin)
{
    return Past(NormaalNummer(oin), QStringLiteral("[0-9]{20}"));
}

bool GeldigeGln(const QString& gln)
{
    const QString nummer = NormaalNummer(gln);
    if (!Past(nummer, QStringLiteral("[0-9]{13}")))
        return false;
    // GS1: from the right, before the check digit, weights 3 and 1 in turn.
    int som = 0;
    for (int i = 0; i < 12; ++i)
        som += nummer[11 - i].digitValue() * (i % 2 == 0 ? 3 : 1);
    return (10 - som % 10) % 10 == nummer[12].digitValue();
}

bool GeldigeBic(const QString& bic)
{
    return Past(bic.trimmed().toUpper(), "[A-Z]{6}[A-Z0-9]{2}([A-Z0-9]{3})?");
}

bool GeldigEmailadres(const QString& email)
{
    static const QString patroon = QStringLiteral(R"([^@\s<>(),;:"\[\]]+@[\p{L}\p{N}-]+(\.[\p{L}\p{N}-]+)*\.\p{L}{2,})");
    return Past(email.trimmed(), patroon);
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
    if (const auto fout = FoutInIban(b.Iban); fout && !NormaalNummer(b.Iban).isEmpty())
        return QStringLiteral("IBAN: ") + *fout;
    if (!b.Bic.trimmed().isEmpty() && !GeldigeBic(b.Bic))
        return QStringLiteral("BIC: een BIC bestaat uit 8 of 11 letters en cijfers.");
    if (!b.Email.trimmed().isEmpty() && !GeldigEmailadres(b.Email))
        return QStringLiteral("E-mail: vul een e-mailadres in zoals info@bedrijf.nl.");
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
