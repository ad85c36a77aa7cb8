#pragma once

// Things that can stand where the program expects one of its files.

#include <QDir>
#include <QFile>
#include <QString>

#include <csignal>
#include <functional>
#include <vector>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

struct OddFile {
    const char* naam;
    // Puts it at pad; a link points at doel. False when the machine does not allow it.
    std::function<bool(const QString& pad, const QString& doel)> maak;
};

inline std::vector<OddFile> OddFiles()
{
    return {
        {"a link out of the folder", [](const QString& pad, const QString& doel) { return QFile::link(doel, pad); }},
        {"a named pipe",
         [](const QString& pad, const QString&) { return ::mkfifo(QFile::encodeName(pad).constData(), 0600) == 0; }},
        {"a device that never ends",
         [](const QString& pad, const QString&) {
             return ::mknod(QFile::encodeName(pad).constData(), S_IFCHR | 0600, makedev(1, 5)) == 0;
         }},
        {"a folder", [](const QString& pad, const QString&) { return QDir().mkdir(pad); }},
    };
}

// Ends the test program when a step hangs (a pipe opened for reading waits for
// a writer for ever): a hang becomes a failure instead of a stuck run.
class HangGuard {
public:
    explicit HangGuard(unsigned seconds = 20) { ::alarm(seconds); }
    ~HangGuard() { ::alarm(0); }
    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;
};
