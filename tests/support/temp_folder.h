#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A fresh program folder with the four data folders, removed afterwards.
class TempProgramFolder {
public:
    TempProgramFolder()
    {
        for (const char* map : {"Facturen", "Adressen", "Logo", "Backgrounds"})
            QDir(dir_.path()).mkpath(QString::fromLatin1(map));
    }
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return QDir(dir_.path()).filePath(name); }

    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile f(file(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
    QByteArray read(const QString& name) const
    {
        QFile f(file(name));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

private:
    QTemporaryDir dir_;
};
