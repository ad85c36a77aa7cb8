#include "platform/files.h"

#include "platform/cp1252.h"
#include "platform/tekens.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

bool IsGewoonBestand(const struct stat& st)
{
    return S_ISREG(st.st_mode);
}

// The name as a Windows-1252 file holds it.
QString AlsCp1252(const QString& naam)
{
    return VanCp1252(NaarCp1252(naam));
}

}  // namespace

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
    dir.setFilter(QDir::Files | QDir::NoSymLinks);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    return dir.entryList();  // name filters ignore case by default
}

bool GeenGewoonBestand(const QString& pad)
{
    struct stat st;
    return ::lstat(QFile::encodeName(pad).constData(), &st) == 0 && !IsGewoonBestand(st);
}

bool OpenGewoonBestand(QFile& file, const QString& pad)
{
    // Without O_NONBLOCK the open of a pipe waits for a writer; O_NOFOLLOW
    // refuses a link. The type is checked on what was opened, not before.
    const int fd = ::open(QFile::encodeName(pad).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !IsGewoonBestand(st)) {
        ::close(fd);
        return false;
    }
    return file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
}

std::optional<QByteArray> LeesBestand(const QString& pad, qint64 maxBytes)
{
    QFile file;
    if (!OpenGewoonBestand(file, pad))
        return std::nullopt;
    const qint64 grootte = file.size();
    if (grootte > maxBytes)
        return std::nullopt;
    // Asking for maxBytes at once would reserve that much memory on every
    // read; one byte more than the file holds shows a file that grew meanwhile.
    QByteArray bytes = file.read(grootte + 1);
    if (bytes.size() > maxBytes || file.error() != QFile::NoError)
        return std::nullopt;
    return bytes;
}

bool GeldigeNaam(const QString& naam)
{
    if (naam.trimmed().isEmpty() || naam.startsWith(QLatin1Char('.')))
        return false;
    for (QChar c : naam)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 32)
            return false;
    return true;
}

namespace {

// The one rule for names in the program's folders: equal without regard to
// case. Where a folder holds two such names, the one written exactly alike wins.
std::optional<QString> GelijkeNaam(const QString& map, const QString& naam, QDir::Filters soort)
{
    const QStringList namen = QDir(map).entryList(soort | QDir::Hidden | QDir::NoDotAndDotDot);
    if (namen.contains(naam))
        return naam;
    for (const QString& bestaand : namen)
        if (bestaand.compare(naam, Qt::CaseInsensitive) == 0)
            return bestaand;
    return std::nullopt;
}

// The one file whose name, held in Windows-1252, reads as the given name;
// nothing when none or several do.
std::optional<QString> NaamVanCp1252(const QString& map, const QString& naam)
{
    std::optional<QString> gevonden;
    for (const QString& bestaand : QDir(map).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot)) {
        if (AlsCp1252(bestaand).compare(naam, Qt::CaseInsensitive) != 0)
            continue;
        if (gevonden)
            return std::nullopt;
        gevonden = bestaand;
    }
    return gevonden;
}

}  // namespace

QString Submap(const QString& map, const QString& naam)
{
    return Pad(map, GelijkeNaam(map, naam, QDir::Dirs).value_or(naam));
}

std::optional<QString> BestaandeNaam(const QString& map, const QString& naam)
{
    return GelijkeNaam(map, naam, QDir::Files);
}

QString GevondenPad(const QString& map, const QString& naam)
{
    return Pad(map, BestaandeNaam(map, naam).value_or(naam));
}

std::optional<QString> PadVanNaam(const QString& map, const QString& naam)
{
    if (!GeldigeNaam(naam))
        return std::nullopt;
    if (const auto bestaand = BestaandeNaam(map, naam))
        return Pad(map, *bestaand);
    if (naam.contains(QLatin1Char('?')))
        if (const auto bestaand = NaamVanCp1252(map, naam))
            return Pad(map, *bestaand);
    return Pad(map, naam);
}

bool BlijftVindbaar(const QString& map, const QString& naam)
{
    return PadVanNaam(map, AlsCp1252(naam)) == Pad(map, naam);
}

QString AlsBestandsnaam(const QString& tekst, qsizetype maxBytes)
{
    QString naam;
    for (QChar c : tekst.trimmed()) {
        const bool verboden = c.unicode() < 32 || QStringLiteral("/\\:*?\"<>|").contains(c);
        naam += verboden ? QLatin1Char('_') : c;
    }
    while (naam.toUtf8().size() > maxBytes)
        naam = ZonderLaatsteTeken(naam);
    // Windows drops dots and blanks at the end of a name; ".." is no name at all.
    while (naam.endsWith(QLatin1Char('.')) || naam.endsWith(QLatin1Char(' ')))
        naam.chop(1);
    if (naam.isEmpty())
        naam = QStringLiteral("_");
    return naam;
}

}  // namespace platform
