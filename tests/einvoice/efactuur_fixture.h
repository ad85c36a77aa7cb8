#pragma once

#include "app/efactuur_export.h"
#include "invoice/customer_file.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QFile>
#include <QRegularExpression>

// An invoice ready for the e-invoice: date, number, the seller's details,
// two lines; the buyer confirmed as proposed unless a test says otherwise.
struct EfactuurOpstelling {
    TempProgramFolder map;
    Factuur f;
    PdfBronnen b;
    ScriptedPrompts prompts;
    std::optional<Klantgegevens> antwoord;   // the dialog's answer; the proposal when unset
    bool geannuleerd = false;
    std::vector<Klantgegevens> voorgesteld;

    EfactuurOpstelling()
    {
        ZetStandaardwaarden(f);
        f.LogoBestand.clear();
        f.AchtergrondBestand.clear();
        f.FactuurDatum = QStringLiteral("08-12-2026");
        f.FactuurNummer = QStringLiteral("2026-017");
        f.AdresTekst = QStringLiteral("Janssen & Zonen\r\nVoorbeeldstraat 52\r\n1234 AA, Amsterdam");
        f.Bedrijf.Bedrijfsnaam = QStringLiteral("Korpela B.V.");
        f.Bedrijf.Straat = QStringLiteral("Lindeplein 59");
        f.Bedrijf.Postcode = QStringLiteral("7701 KL");
        f.Bedrijf.Plaats = QStringLiteral("Dalmere");
        f.Bedrijf.KvkNummer = QStringLiteral("12345678");
        f.Bedrijf.BtwNummer = QStringLiteral("NL123456789B01");
        f.Bedrijf.Iban = QStringLiteral("NL91ABNA0417164300");
        f.Bedrijf.Bic = QStringLiteral("ABNANL2A");
        f.Bedrijf.Betaaltermijn = 14;
        ZetRegel(0, "01-12", "Ontwerp huisstijl", "450,00");
        ZetRegel(1, "03-12", "Drukwerk", "129,95");
        b.afzender = {"Korpela B.V.", "Lindeplein 59", ""};
        b.adres = {"Janssen & Zonen", ""};
        b.programmaMap = map.path();
    }
    void ZetRegel(int i, const char* datum, const QString& omschrijving, const char* prijs)
    {
        f.Aantal[i] = QString::fromUtf8(datum);
        f.Omschrijving[i] = omschrijving;
        f.Prijs[i] = QString::fromUtf8(prijs);
    }
    // Exports under a name at a fixed moment; the written bytes, empty when nothing was written.
    QByteArray Exporteer(const QString& naam, std::time_t moment = 1'797'000'000)
    {
        prompts.invoer.push_back(naam);
        NaarEfactuur(f, b, map.path(), prompts,
                     [this](const Klantgegevens& voorstel) -> std::optional<Klantgegevens> {
                         voorgesteld.push_back(voorstel);
                         if (geannuleerd)
                             return std::nullopt;
                         return antwoord.value_or(voorstel);
                     },
                     moment);
        return map.read("Efactuur/" + naam + ".xml");
    }
    QString LaatsteMelding() const
    {
        for (auto it = prompts.gevraagd.rbegin(); it != prompts.gevraagd.rend(); ++it)
            if (it->soort == QStringLiteral("Melding"))
                return it->tekst;
        return {};
    }
};

// The text of the first element of that local name, e.g. "cbc:PayableAmount".
inline QString Element(const QByteArray& xml, const QString& naam)
{
    const QRegularExpression re("<" + QRegularExpression::escape(naam) + "(?: [^>]*)?>([^<]*)</");
    return re.match(QString::fromUtf8(xml)).captured(1);
}
