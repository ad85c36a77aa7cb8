#include "invoice/address_file.h"

#include "invoice/algemeen.h"
#include "invoice/settings_file.h"
#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/opslaan.h"

namespace {

// The same two header lines as the settings and invoice files, unquoted.
const QByteArray kKop = QByteArray(kBestandsKop) + "\r\n" + kStreep + "\r\n";

// The lines of a byte stream as a line-by-line reader sees them: a line ends
// at CR LF, a lone CR or a lone LF, and a line end at the very end opens no
// further line.
QList<QByteArray> Regels(const QByteArray& bytes)
{
    QList<QByteArray> regels;
    qsizetype begin = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        regels << bytes.mid(begin, i - begin);
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        begin = i + 1;
    }
    if (begin < bytes.size())
        regels << bytes.mid(begin);
    return regels;
}

}  // namespace

QByteArray AdresBytes(const QString& tekst)
{
    return kKop + platform::NaarCp1252(tekst);
}

QString AdresUitBytes(const QByteArray& bytes)
{
    const QList<QByteArray> regels = Regels(bytes);
    QString tekst;
    for (qsizetype i = 2; i < regels.size(); ++i)
        tekst += platform::VanCp1252(regels[i]) + QStringLiteral("\r\n");
    return tekst;
}

bool SaveAdres(const QString& programmaMap, const QString& tekst, platform::Prompts& prompts)
{
    const platform::Opslag opslag{
        QStringLiteral(" Adres opslaan"),
        QStringLiteral("Geef een naam voor dit adres..."),
        QString(),
        Map(programmaMap, Bestandsmap::Adressen),
        QStringLiteral(".adr"),
        {QStringLiteral(" Exist"), QStringLiteral("Naam adres bestaat reeds, wilt u deze overschrijven?")},
        QStringLiteral("Het adres kon niet worden opgeslagen in ")};
    return platform::Opslaan(prompts, opslag, AdresBytes(tekst)).has_value();
}

std::optional<QString> OpenAdres(const QString& pad)
{
    const auto bytes = platform::LeesBestand(pad, kGrootsteAdresBestand);
    if (!bytes)
        return std::nullopt;
    return AdresUitBytes(*bytes);
}

QString ZonderRandspaties(const QString& tekst)
{
    qsizetype begin = 0;
    qsizetype eind = tekst.size();
    while (begin < eind && tekst[begin] == QLatin1Char(' '))
        ++begin;
    while (eind > begin && tekst[eind - 1] == QLatin1Char(' '))
        --eind;
    return tekst.mid(begin, eind - begin);
}

QStringList TelRegels(const QString& tekst, const QFont& font, double tekstBreedte)
{
    QStringList regels;
    for (const QString& regel : TekstRegels(tekst, font, tekstBreedte))
        if (!ZonderRandspaties(regel).isEmpty())
            regels << regel;
    return regels;
}
