#pragma once

#include <QString>

#include <optional>

namespace platform {

class Prompts;

// Asks under the given title for the name of a file to write into a folder
// (the extension, such as ".fac", is added). Nothing when the user cancels,
// answers with an empty name, gives a name the file system cannot hold (told
// in a message) or will not replace the file that is there. A file that
// differs only in letter case counts as there, and is the one replaced.
std::optional<QString> VraagDoelbestand(Prompts& prompts, const QString& titel, const QString& vraag,
                                        const QString& voorstel, const QString& map, const QString& extensie);

// The file to write and the name the user typed for it, which may differ in
// letter case from the file it replaces.
struct Doel {
    QString pad;
    QString naam;
};
std::optional<Doel> VraagDoel(Prompts& prompts, const QString& titel, const QString& vraag, const QString& voorstel,
                              const QString& map, const QString& extensie);

// The Yes/No question asked before a file is replaced.
struct Overschrijfvraag {
    QString titel;
    QString tekst;
};

// The checks of VraagDoelbestand for a name the user already gave, with the
// caller's own overwrite question.
std::optional<QString> Doelpad(Prompts& prompts, const QString& titel, const QString& naam, const QString& map,
                               const QString& extensie, const Overschrijfvraag& overschrijven);

}  // namespace platform
