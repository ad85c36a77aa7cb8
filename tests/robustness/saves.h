#pragma once

// Every kind of file the program writes, each saved as the program saves it.

#include "background/transparant.h"
#include "invoice/address_file.h"
#include "invoice/company_file.h"
#include "invoice/customer_file.h"
#include "invoice/invoice_file.h"
#include "invoice/settings_file.h"
#include "logo/logo_bestanden.h"
#include "output/factuur_naar_pdf.h"
#include "output/pdf_export.h"
#include "platform/opslaan.h"

#include "support/scripted_prompts.h"

#include <QImage>

#include <algorithm>
#include <functional>

namespace saves {

inline QImage Beeld(int breedte, int hoogte)
{
    QImage beeld(breedte, hoogte, QImage::Format_RGB32);
    beeld.fill(Qt::darkCyan);
    return beeld;
}

inline bool GeenMelding(const ScriptedPrompts& p)
{
    return std::none_of(p.gevraagd.begin(), p.gevraagd.end(),
                        [](const ScriptedPrompts::Box& b) { return b.soort == QStringLiteral("Melding"); });
}

struct Soort {
    const char* naam;
    QString bestand;   // in the program folder; the saves that ask are given the name "oud"
    // Saves over the file; the routines that ask get the name "oud" and a
    // Yes to replacing it.
    std::function<bool(const QString& map, Factuur& f, ScriptedPrompts& prompts)> bewaar;
    bool meldtZelf;
};

inline const Soort kSoorten[] = {
    {"settings", "Quillet.ini",
     [](const QString& map, Factuur& f, ScriptedPrompts&) { return SchrijfInstellingen(f, map + "/Quillet.ini"); },
     false},
    {"company", "Bedrijf.ini",
     [](const QString& map, Factuur& f, ScriptedPrompts&) {
         Bedrijfsgegevens b = f.Bedrijf;
         b.Bedrijfsnaam = QStringLiteral("Korpela Ontwerp en Drukwerk B.V.");
         b.Straat = QStringLiteral("Lindeplein 59");
         b.Plaats = QStringLiteral("Dalmere");
         return SchrijfBedrijfsgegevens(b, map + "/Bedrijf.ini");
     },
     false},
    {"customer", "Adressen/oud.klant",
     [](const QString& map, Factuur&, ScriptedPrompts&) {
         Klantgegevens k;
         k.Naam = QStringLiteral("Oud & Zonen, handel in oude zaken");
         k.Straat = QStringLiteral("Voorbeeldstraat 52");
         k.Plaats = QStringLiteral("Amsterdam");
         return OnthoudKlant(map, QStringLiteral("oud"), k);
     },
     false},
    {"invoice", "Facturen/oud.fac",
     [](const QString& map, Factuur& f, ScriptedPrompts& p) { return SaveFactuur(f, p, map); }, true},
    {"address", "Adressen/oud.adr",
     [](const QString& map, Factuur& f, ScriptedPrompts& p) { return SaveAdres(map, f.AdresTekst, p); }, true},
    {"logo", "Logo/oud.bmp",
     [](const QString& map, Factuur&, ScriptedPrompts& p) { return LogoOpslaan(Beeld(625, 125), map, p); }, true},
    {"background", "Backgrounds/oud.bmp",
     [](const QString& map, Factuur& f, ScriptedPrompts& p) {
         Transparant venster(f, p, map);
         venster.SaveKnop_Click();
         return GeenMelding(p);
     },
     true},
    {"pdf", "Pdf/oud.pdf",
     [](const QString& map, Factuur& f, ScriptedPrompts& p) {
         return platform::Opslaan(p, PdfOpslag(map, {}), [&](const QString& tijdelijk, const QString& naam) {
                    return FactuurNaarPdf(f, tijdelijk, naam, PdfBronnen{{"Afzender"}, {"Adres"}, {}, map});
                }).has_value();
     },
     true},
};

}  // namespace saves
