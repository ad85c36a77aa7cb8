#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace platform {

class Prompts;

// The Yes/No question asked before a file is replaced; "%1" in the text
// stands for the name the user typed.
struct Overschrijfvraag {
    QString titel;
    QString tekst;
};
// " File exist": "Bestand '<naam>' bestaat reeds, overschrijven?"
extern const Overschrijfvraag kBestandBestaat;

// One save as the user meets it.
struct Opslag {
    QString titel;       // of the input box and of every message
    QString vraag;
    QString voorstel;    // the name the input box offers
    QString map;         // made when missing, once the name is settled
    QString extensie;    // ".fac"
    Overschrijfvraag overschrijven;
    QString mislukt;     // told with the path and a point after it when writing fails
    // The name goes into the settings file, which holds Windows-1252 only.
    bool inCp1252 = false;
};

// Writes the content into the temporary file at its path; naam is the name
// the user typed (a document's title, say). False when it could not.
using Schrijver = std::function<bool(const QString& tijdelijkPad, const QString& naam)>;

// Every save of the program: asks for a name; a cancel, an empty name or one
// of blanks only ends it without a word. A name that breaks the rule for
// names, or is too long, is refused with a message. A file whose name
// differs only in letter case counts as there: it is asked about and it is
// the one replaced. Then the folder is made and the file replaced whole or
// not at all; a failure is told. The path written, or nothing.
std::optional<QString> Opslaan(Prompts& prompts, const Opslag& opslag, const Schrijver& schrijver);

// The same for bytes that do not depend on the name.
std::optional<QString> Opslaan(Prompts& prompts, const Opslag& opslag, const QByteArray& bytes);

}  // namespace platform
