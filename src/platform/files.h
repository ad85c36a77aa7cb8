#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace platform {

// The folder of the running executable: the program keeps its files there.
QString ProgrammaMap();

// Joins a folder and a relative name with the platform's separator.
QString Pad(const QString& map, const QString& naam);

bool BestandBestaat(const QString& pad);

// The names (no folder) of the regular files in a folder matching a wildcard
// pattern such as "*.fac", compared without regard to case, sorted without
// regard to case. Links are left out: the program does not read through them;
// so are names with a point in front, which no save of the program makes.
QStringList BestandenLijst(const QString& map, const QString& patroon);

// True when something other than a regular file stands at the path: a link,
// a pipe, a device or a folder. The program neither reads nor writes through it.
bool GeenGewoonBestand(const QString& pad);

// Opens a regular file for reading; a link, pipe or device is refused at
// once (opening a pipe would wait for a writer for ever).
bool OpenGewoonBestand(QFile& file, const QString& pad);

// The whole file, or nothing when it cannot be read, is no regular file or is
// larger than maxBytes.
std::optional<QByteArray> LeesBestand(const QString& pad, qint64 maxBytes);

// Writes the content of a file into the path it is given, the temporary file
// beside the file to replace; false when it could not.
using Inhoud = std::function<bool(const QString& tijdelijkPad)>;

// Replaces the file through a temporary file of our own in the same folder
// and a rename, so a failure (a full disk among them) never leaves a
// half-written file where a good one stood: false, and the old file as it
// was. A link, pipe or device in the file's place is not written through.
// What saves of an earlier run left in that folder when they were broken
// off is removed the first time this run writes there: only files whose
// names our own routine makes.
bool VervangBestand(const QString& pad, const Inhoud& inhoud);
bool SchrijfBestand(const QString& pad, const QByteArray& bytes);

// A text as a file name on either platform: characters no file name may
// hold become "_", dots and blanks at the end go, at most maxBytes of UTF-8;
// never empty.
QString AlsBestandsnaam(const QString& tekst, qsizetype maxBytes);

// Puts the bytes into the temporary file an Inhoud is given, in place of
// what it held.
bool SchrijfInTijdelijk(const QString& tijdelijkPad, const QByteArray& bytes);

// The most a name the program makes may take, in UTF-8 bytes before its
// extension: room to spare in a file name of 255 bytes.
constexpr qsizetype kLangsteNaam = 150;

// The one rule for the name of a file in one of the program's folders, typed
// by the user or read from one of the program's files: not blank, no folder
// part, no control characters, and no point in front (such a file is hidden,
// and no list shows it).
bool GeldigeNaam(const QString& naam);

// The folder of that name in a folder: the one there that equals it without
// regard to case ("logo" is the "Logo" folder), else the path a folder of
// that name gets when it is made.
QString Submap(const QString& map, const QString& naam);

// The name of the file in a folder that equals the given name without regard
// to case, as the files were meant to be found on the program's first platform.
std::optional<QString> BestaandeNaam(const QString& map, const QString& naam);

// The path of the file that name stands for in a folder: the file there that
// equals it without regard to case, else the name as given (a file to make).
QString GevondenPad(const QString& map, const QString& naam);

// The same for a name that one of the program's own Windows-1252 files holds:
// nothing when the name breaks the rule for names, so it counts as a missing
// file. Where the code page has no room for a character, the file holds "?":
// such a name stands for the one file whose name reads that way.
std::optional<QString> PadVanNaam(const QString& map, const QString& naam);

// True when the file of that name in the folder is found again by its name
// written into a Windows-1252 file and read back.
bool BlijftVindbaar(const QString& map, const QString& naam);

}  // namespace platform
