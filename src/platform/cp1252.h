#pragma once

#include <QByteArray>
#include <QString>

// Every file the program reads or writes holds Windows-1252 text.
namespace platform {

QByteArray NaarCp1252(const QString& text);   // a character outside the code page becomes '?'
QString VanCp1252(const QByteArray& bytes);

}
