#pragma once

// A small file system of its own (a tmpfs) for one test, holding a program
// folder with its data folders: the honest way to see what a save does when
// the disk is full. Mounting needs root, as the CI machine has.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/mount.h>
#include <unistd.h>

class KleineSchijf {
public:
    KleineSchijf()
    {
        const QByteArray pad = QFile::encodeName(dir_.path());
        gemount_ = ::geteuid() == 0 && ::mount("tmpfs", pad.constData(), "tmpfs", 0, "size=4m") == 0;
        for (const char* map : {"Facturen", "Adressen", "Logo", "Backgrounds", "Pdf"})
            QDir(dir_.path()).mkpath(QString::fromLatin1(map));
    }
    ~KleineSchijf()
    {
        if (gemount_)
            ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
    }
    KleineSchijf(const KleineSchijf&) = delete;
    KleineSchijf& operator=(const KleineSchijf&) = delete;

    bool Gemount() const { return gemount_; }
    QString path() const { return dir_.path(); }
    QString file(const QString& naam) const { return QDir(dir_.path()).filePath(naam); }

    // Takes every free byte.
    void Vul() const
    {
        QFile vulling(file(kVulling));
        vulling.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        const QByteArray blok(64 * 1024, 'v');
        while (vulling.write(blok) > 0) {  // the last one short, the one after it refused
        }
    }
    void MaakRuimte() const { QFile::remove(file(kVulling)); }

private:
    static constexpr char kVulling[] = "vulling";
    QTemporaryDir dir_;
    bool gemount_ = false;
};
