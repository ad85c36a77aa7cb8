#pragma once

#include "invoice/mappen.h"

#include <QByteArray>
#include <QFont>
#include <QString>
#include <QStringList>

#include <optional>

namespace platform {
class Prompts;
}

// The address book: "Adressen/<naam>.adr" beside the program. Two header
// lines, then the address text exactly as typed, with no line end after its
// last line.

// An address is a few lines; anything larger is not an address file.
constexpr qint64 kGrootsteAdresBestand = 1 << 20;

QByteArray AdresBytes(const QString& tekst);

// The text after the two header lines, every line followed by CR LF. A file
// of fewer than three lines gives an empty text.
QString AdresUitBytes(const QByteArray& bytes);

// "Opslaan" of the address book: asks for a name and writes the text as the
// address file of that name, asking before it replaces one. Every refusal
// and failure is told to the user. True when the file was written.
bool SaveAdres(const QString& programmaMap, const QString& tekst, platform::Prompts& prompts);

// The address text of a file in the address book; nothing when the file
// cannot be read or is too large to be an address.
std::optional<QString> OpenAdres(const QString& pad);

// The text with the blanks at both ends removed; line breaks and tabs stay.
QString ZonderRandspaties(const QString& tekst);

// The lines the box displays for the text (word wrap included) that hold
// more than blanks: what the line limits of the sender and address count.
QStringList TelRegels(const QString& tekst, const QFont& font, double tekstBreedte);
