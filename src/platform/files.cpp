#include "platform/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

bool IsGewoonBestand(const struct stat& st)
{
    return S_ISREG(st.st_mode);
}

// What a save of a file with this extension leaves when it is broken off:
// the temporary file of QSaveFile, the name and six random letters of both
// cases ("a.fac.IvXjyd"), and the ".part" of the earlier PDF export. A
// user's own "a.fac.backup" has one case only and stays.
bool IsOverblijfsel(const QString& naam, const QString& extensie)
{
    static const QRegularExpression vorm(QStringLiteral("^.+\\.([^.]+)\\.([A-Za-z]{6}|part)$"));
    const auto m = vorm.match(naam);
    if (!m.hasMatch() || m.captured(1).compare(extensie, Qt::CaseInsensitive) != 0)
        return false;
    const QString staart = m.captured(2);
    return staart == QLatin1String("part") || (staart != staart.toLower() && staart != staart.toUpper());
}

void RuimOverblijfselsOp(const QString& pad)
{
    const QFileInfo doel(pad);
    if (doel.suffix().isEmpty())
        return;
    QDir map = doel.dir();
    for (const QString& naam : map.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks))
        if (IsOverblijfsel(naam, doel.suffix()))
            map.remove(naam);
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
    if (file.size() > maxBytes)
        return std::nullopt;
    QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes || file.error() != QFile::NoError)
        return std::nullopt;
    return bytes;
}

bool SchrijfBestand(const QString& pad, const QByteArray& bytes)
{
    // QSaveFile would write into the target of a link.
    if (GeenGewoonBestand(pad))
        return false;
    RuimOverblijfselsOp(pad);
    return VervangZonderOpruimen(pad, bytes);
}

bool VervangZonderOpruimen(const QString& pad, const QByteArray& bytes)
{
    if (GeenGewoonBestand(pad))
        return false;
    QSaveFile file(pad);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Qt 6.4's commit() reports success after a failed write of what it still
    // buffers (a small file on a full disk) and puts the short file in place
    // of the good one: the flush is checked here, before the rename.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
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

QString GevondenPad(const QString& map, const QString& naam)
{
    return Pad(map, BestaandeNaam(map, naam).value_or(naam));
}

std::optional<QString> PadVanNaam(const QString& map, const QString& naam)
{
    if (naam.isEmpty() || naam == "." || naam == ".." || naam.contains('/') || naam.contains('\\'))
        return std::nullopt;
    return GevondenPad(map, naam);
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

namespace platform {

QString AlsBestandsnaam(const QString& tekst, qsizetype maxBytes)
{
    QString naam;
    for (QChar c : tekst.trimmed()) {
        const bool verboden = c.unicode() < 32 || QStringLiteral("/\\:*?\"<>|").contains(c);
        naam += verboden ? QLatin1Char('_') : c;
    }
    while (naam.toUtf8().size() > maxBytes)
        naam.chop(1);
    // Windows drops dots and blanks at the end of a name; ".." is no name at all.
    while (naam.endsWith(QLatin1Char('.')) || naam.endsWith(QLatin1Char(' ')))
        naam.chop(1);
    if (naam.isEmpty())
        naam = QStringLiteral("_");
    return naam;
}

}  // namespace platform
