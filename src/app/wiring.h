#pragma once

#include <QString>

class Facturenboek;
class Main;
struct Factuur;

namespace platform {
class Prompts;
}

// What the program needs to open its dialogs and tools from the main window.
struct Omgeving {
    Main& main;
    Factuur& factuur;
    platform::Prompts& prompts;
    QString programmaMap;
    Facturenboek& boek;
};

// Printing, PDF export, envelope and printer set-up from the "Bestand" menu.
void KoppelUitvoer(Omgeving& omgeving);

// Sender, address book, background and logo: the dialog the page's double-clicks ask for;
// and the company details, from the menu and the payment code on the page.
void KoppelMijndata(Omgeving& omgeving);

// The lines editor, the heading and footer dialogs, the invoice files of the
// "Bestand" menu and the calculator.
void KoppelFactuurInvoer(Omgeving& omgeving);

// The background designer from the tools menu.
void KoppelAchtergrond(Omgeving& omgeving);

// The logo designer from the tools menu.
void KoppelLogo(Omgeving& omgeving);

// The Facturenboek and the VAT return from the "Bestand" menu, and the number
// "Factuur Datum / Nummer" proposes.
void KoppelBoek(Omgeving& omgeving);
