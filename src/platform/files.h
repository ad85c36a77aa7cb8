#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <optional>

namespace platform {

// The folder of the running executable: the program keeps its files there.
QString ProgrammaMap();

// Joins a folder and a relative name with the platform's separator.
QString Pad(const QString& map, const QString& naam);

bool BestandBestaat(const QString& pad);

// The names (no folder) of the regular files in a folder matching a wildcard
// pattern such as "*.fac", compared without regard to case, sorted without
// regard to case. Links are left out: the program does not read through them.
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

// Replaces the file through a temporary file and a rename, so a failure (a
// full disk among them) never leaves a half-written file where a good one
// stood: false, and the old file as it was. A link, pipe or device in the
// file's place is not written through. The leftovers of saves that were
// broken off in that folder are removed first.
bool SchrijfBestand(const QString& pad, const QByteArray& bytes);
// The same without the clean-up, for a folder of thousands of files that
// only the program writes, where a listing per write would cost too much.
bool VervangZonderOpruimen(const QString& pad, const QByteArray& bytes);

// A text as a file name on either platform: characters no file name may
// hold become "_", dots and blanks at the end go, at most maxBytes of UTF-8;
// never empty.
QString AlsBestandsnaam(const QString& tekst, qsizetype maxBytes);

// The name of the file in a folder that equals the given name without regard
// to case, as the files were meant to be found on the program's first platform.
std::optional<QString> BestaandeNaam(const QString& map, const QString& naam);

// The folder of that name in a folder: the one there that equals it without
// regard to case, else one made under the name as given.
QString Submap(const QString& map, const QString& naam);

// The path of the file that name stands for in a folder: the file there that
// equals it without regard to case, else the name as given (a file to make).
QString GevondenPad(const QString& map, const QString& naam);

// The same for a name that one of the program's own files holds: nothing
// when the name is empty or has a folder part, so such a name counts as a
// missing file.
std::optional<QString> PadVanNaam(const QString& map, const QString& naam);

// A name the user typed for a file in one of the program's folders: not empty,
// no folder separators, nothing the file system refuses.
bool GeldigeBestandsnaam(const QString& naam);

}  // namespace platform
