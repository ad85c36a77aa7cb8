#pragma once

#include "boek/facturenboek.h"

#include <QString>
#include <QStringList>

// The message "Mailen" hands to the user's mail program.
struct Mailbericht {
    QString aan;
    QString onderwerp;
    QString tekst;
    QStringList bijlagen;   // full paths of the files that exist
};

// "Factuur <nummer>" with a short Dutch text giving the amount and the due
// date, the kept PDF and the e-invoice (when one was made) attached.
Mailbericht MailVoor(const Boekregel& r);
