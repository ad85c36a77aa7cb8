#pragma once

#include <QByteArray>
#include <QString>

// Every file the program reads or writes holds Windows-1252 text.
namespace platform {

QByteArray NaarCp1252(const QString& text);   // a character outside the code page becomes '?'
QString VanCp1252(const QByteArray& bytes);

// A text file's bytes in the code page: a file that an editor saved as UTF-8
// with a byte-order mark, or as UTF-16 (with a mark, or recognised by the
// zero bytes of its first character), is converted; any other is taken as it is.
QByteArray AlsCp1252(const QByteArray& bytes);

}
