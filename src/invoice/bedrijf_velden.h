#pragma once

#include "invoice/bedrijfsgegevens.h"

#include <QString>

#include <span>
#include <variant>

// The fields of "Bedrijf.ini", once: the order of the file's records and of
// the dialog's rows, how each is kept and how a record of it is read. The
// file, the dialog and the checks of an empty or normalised record all go by
// this table.

enum class Opslag {
    Bijgesneden,   // without blanks at its ends
    Hoofdletters,  // the same, a to z in upper case
    Nummer,        // without blanks, points or hyphens, a to z in upper case
};

using BedrijfLid = std::variant<QString Bedrijfsgegevens::*, int Bedrijfsgegevens::*, bool Bedrijfsgegevens::*,
                                NulTarief Bedrijfsgegevens::*>;

struct BedrijfVeld {
    QString naam;          // as the dialog and the messages name it
    BedrijfLid lid;
    Opslag opslag = Opslag::Bijgesneden;   // a text's
    int min = 0;           // a number's range
    int max = 0;           // and a text's greatest length, 0 for any
    // Added after the file's first form: a file that ends before it is an
    // older file, not a broken one, and says nothing of it.
    bool later = false;
};

std::span<const BedrijfVeld> BedrijfVelden();

// Whether two details hold the same in this field.
bool ZelfdeVeld(const BedrijfVeld& veld, const Bedrijfsgegevens& a, const Bedrijfsgegevens& b);

// A text field as it is kept (Opslag); other fields stay as they are.
void SlaOpAlsBedoeld(const BedrijfVeld& veld, Bedrijfsgegevens& b);
