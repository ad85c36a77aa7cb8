// Replacing a file whole or not at all, through a temporary file of our own.

#include "platform/files.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

// The temporary file's name: a point in front, which the rule for names
// refuses to every save, and a shape of our own. A file of this name was
// made by this routine and by nothing else of the program.
const QString kVoorvoegsel = QStringLiteral(".quillet-opslag-");
const QString kAchtervoegsel = QStringLiteral(".tmp");
constexpr int kTekens = 6;

bool IsOnzeTijdelijke(const QString& naam)
{
    static const QRegularExpression vorm(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(kVoorvoegsel) + QStringLiteral("[A-Za-z0-9]{%1}").arg(kTekens)
        + QRegularExpression::escape(kAchtervoegsel)));
    return vorm.match(naam).hasMatch();
}

// Only a run that was killed mid-save leaves a temporary file behind: this
// run removes its own however a save ends. So a folder is cleared the first
// time this run writes into it, and a folder of thousands of files (the
// Facturenboek's) is not listed again on every write.
void RuimOverblijfselsOp(QDir map)
{
    static QSet<QString> opgeruimd;
    const QString pad = map.absolutePath();
    if (opgeruimd.contains(pad) || !map.exists())
        return;
    for (const QString& naam : map.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::NoSort))
        if (IsOnzeTijdelijke(naam))
            map.remove(naam);
    opgeruimd.insert(pad);
}

QString WillekeurigeNaam()
{
    static const char tekens[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString naam = kVoorvoegsel;
    for (int i = 0; i < kTekens; ++i)
        naam += QLatin1Char(tekens[QRandomGenerator::global()->bounded(int(sizeof tekens - 1))]);
    return naam + kAchtervoegsel;
}

bool SchrijfAlles(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype rest = bytes.size();
    while (rest > 0) {
        const ssize_t n = ::write(fd, data, size_t(rest));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        rest -= n;
    }
    return true;
}

// The temporary file beside the target, removed again unless it took the
// target's place.
class Tijdelijk {
public:
    explicit Tijdelijk(const QString& doel) : doel_(doel)
    {
        const QDir map = QFileInfo(doel).dir();
        RuimOverblijfselsOp(map);
        // A file that is replaced keeps who may read it.
        struct stat oud;
        const bool bestaat = ::stat(QFile::encodeName(doel).constData(), &oud) == 0;
        for (int poging = 0; poging < 100 && fd_ < 0; ++poging) {
            pad_ = map.filePath(WillekeurigeNaam());
            fd_ = ::open(QFile::encodeName(pad_).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                         0666);
            if (fd_ < 0 && errno != EEXIST)
                break;
        }
        gemaakt_ = fd_ >= 0;
        if (gemaakt_ && bestaat)
            ::fchmod(fd_, oud.st_mode & 07777);
    }
    ~Tijdelijk()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (gemaakt_ && !vervangen_)
            ::unlink(QFile::encodeName(pad_).constData());
    }
    Tijdelijk(const Tijdelijk&) = delete;
    Tijdelijk& operator=(const Tijdelijk&) = delete;

    bool Gemaakt() const { return gemaakt_; }
    const QString& Pad() const { return pad_; }

    // Puts what was written in the target's place, once it is on the disk.
    // What the content writer opened by its path must still be our file.
    bool Vervang()
    {
        struct stat geopend, opPad;
        if (::fstat(fd_, &geopend) != 0 || ::lstat(QFile::encodeName(pad_).constData(), &opPad) != 0
            || !S_ISREG(opPad.st_mode) || geopend.st_ino != opPad.st_ino || geopend.st_dev != opPad.st_dev)
            return false;
        if (::fdatasync(fd_) != 0)
            return false;
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0)
            return false;
        vervangen_ = ::rename(QFile::encodeName(pad_).constData(), QFile::encodeName(doel_).constData()) == 0;
        return vervangen_;
    }

    int Fd() const { return fd_; }

private:
    QString doel_;
    QString pad_;
    int fd_ = -1;
    bool gemaakt_ = false;
    bool vervangen_ = false;
};

}  // namespace

bool VervangBestand(const QString& pad, const Inhoud& inhoud)
{
    if (GeenGewoonBestand(pad))
        return false;
    Tijdelijk tijdelijk(pad);
    return tijdelijk.Gemaakt() && inhoud(tijdelijk.Pad()) && tijdelijk.Vervang();
}

bool SchrijfBestand(const QString& pad, const QByteArray& bytes)
{
    if (GeenGewoonBestand(pad))
        return false;
    Tijdelijk tijdelijk(pad);
    return tijdelijk.Gemaakt() && SchrijfAlles(tijdelijk.Fd(), bytes) && tijdelijk.Vervang();
}

bool SchrijfInTijdelijk(const QString& tijdelijkPad, const QByteArray& bytes)
{
    const int fd = ::open(QFile::encodeName(tijdelijkPad).constData(), O_WRONLY | O_TRUNC | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool geschreven = SchrijfAlles(fd, bytes);
    return ::close(fd) == 0 && geschreven;
}

}  // namespace platform
