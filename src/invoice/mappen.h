#pragma once

#include <QString>

// The folders beside the program.
enum class Bestandsmap {
    Facturen,
    Adressen,
    Logo,
    Achtergronden,
    Pdf,
    Efactuur,
    BtwAangifte,   // what the Facturenboek writes for the accountant
};

// The folder in the program folder. It is found whatever its letter case
// ("logo" is the "Logo" folder); a missing one gets the program's own
// spelling when a save makes it.
QString Map(const QString& programmaMap, Bestandsmap map);

// "Facturen/Uitgegeven": what the Facturenboek keeps of every issue.
QString UitgegevenMap(const QString& programmaMap);
