#include "platform/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {

QString ProgrammaMap()
{
    return QCoreApplication::applicationDirPath();
}

QString Pad(const QString& map, const QString& naam)
{
    return QDir(map).filePath(naam);
}

bool BestandBestaat(const QString& pad)
{
    return QFileInfo(pad).isFile();
}

QStringList BestandenLijst(const QString& map, const QString& patroon)
{
    QDir dir(map);
    dir.setNameFilters({patroon});
    dir.setFilter(QDir::Files);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    return dir.entryList();  // name filters ignore case by default
}

std::optional<QByteArray> LeesBestand(const QString& pad, qint64 maxBytes)
{
    QFile file(pad);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (file.size() > maxBytes)
        return std::nullopt;
    QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes || file.error() != QFile::NoError)
        return std::nullopt;
    return bytes;
}

bool SchrijfBestand(const QString& pad, const QByteArray& bytes)
{
    QSaveFile file(pad);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

namespace {

// The one rule for names in the program's folders: equal without regard to case.
std::optional<QString> GelijkeNaam(const QString& map, const QString& naam, QDir::Filters soort)
{
    const QStringList namen = QDir(map).entryList(soort | QDir::NoDotAndDotDot);
    for (const QString& bestaand : namen)
        if (bestaand.compare(naam, Qt::CaseInsensitive) == 0)
            return bestaand;
    return std::nullopt;
}

}  // namespace

std::optional<QString> BestaandeNaam(const QString& map, const QString& naam)
{
    return GelijkeNaam(map, naam, QDir::Files);
}

QString Submap(const QString& map, const QString& naam)
{
    if (const auto bestaand = GelijkeNaam(map, naam, QDir::Dirs))
        return Pad(map, *bestaand);
    QDir(map).mkpath(naam);
    return Pad(map, naam);
}

QString PadVanNaam(const QString& map, const QString& naam)
{
    return Pad(map, BestaandeNaam(map, naam).value_or(naam));
}

bool GeldigeBestandsnaam(const QString& naam)
{
    if (naam.trimmed().isEmpty() || naam == "." || naam == "..")
        return false;
    for (QChar c : naam)
        if (c == '/' || c == '\\' || c.unicode() < 32)
            return false;
    return naam.toUtf8().size() <= 200;  // leaves room for the extension in a 255-byte name
}

}  // namespace platform
