#pragma once

#include <QString>

// Texts counted and cut in whole characters: a character outside the basic
// plane is two UTF-16 units and counts once.
namespace platform {

// The text without the lone halves of a UTF-16 pair, which no encoding can
// write; every whole character stays.
QString HeleTekens(const QString& tekst);

// The first n whole characters.
QString EersteTekens(const QString& tekst, qsizetype n);

// The text less its last whole character.
QString ZonderLaatsteTeken(const QString& tekst);

}  // namespace platform
