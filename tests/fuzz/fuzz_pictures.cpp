// Any bytes as a picture file: a logo or background (LaadPlaatje) or a photo
// for a rectangle (LaadPlaatjeOpMaat). Either nothing comes back, or a picture
// within the size the program accepts; a photo larger than its rectangle
// both ways comes back at the rectangle's size. The first byte picks the
// start of a file of each kind the program reads, so the decoders are
// reached past their signatures.
#include "platform/pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QImageReader>

#include <cstdlib>
#include <unistd.h>

namespace {

constexpr int kGrootsteZijde = platform::kGrootstePlaatjeZijde;

void Controleer(bool goed)
{
    if (!goed)
        std::abort();
}

QByteArray Begin(unsigned char soort)
{
    switch (soort % 5) {
    case 0: {
        // A bitmap header up to its size fields; the fuzzer fills in the rest.
        QByteArray kop("BM");
        kop.append(QByteArray(8, '\0'));
        kop.append("\x36\0\0\0\x28\0\0\0", 8);
        return kop;
    }
    case 1:
        return QByteArray("GIF89a");
    case 2:
        return QByteArray("\x89PNG\r\n\x1a\n", 8);
    case 3:
        return QByteArray("\xff\xd8\xff", 3);
    default:
        return QByteArray();
    }
}

// In memory where the system has it: rewriting a file on disk for every
// input spends most of the time waiting for the disk.
QString Pad()
{
    static const QString pad = [] {
        const QDir geheugen(QStringLiteral("/dev/shm"));
        const QDir map = geheugen.exists() ? geheugen : QDir::temp();
        return map.filePath(QStringLiteral("quillet_fuzz_pictures_%1").arg(::getpid()));
    }();
    return pad;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // The decoders of JPEG and GIF are plugins, found through the application.
    static QCoreApplication app(*argc, *argv);
    // A header that claims no size decodes to whatever the data says before
    // the size is known: Qt's own limit of 256 MB would be filled first.
    QImageReader::setAllocationLimit(4 * kGrootsteZijde * kGrootsteZijde / (1 << 20) + 1);
    // The name is made before the handler is registered, so it is destroyed
    // after the handler has used it.
    Pad();
    std::atexit([] { QFile::remove(Pad()); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    if (size < 3)
        return 0;
    const QSize rechthoek(1 + data[1] % 64, 1 + data[2] % 64);
    const QByteArray bytes = Begin(data[0]) + QByteArray(reinterpret_cast<const char*>(data + 3), qsizetype(size - 3));
    QFile bestand(Pad());
    Controleer(bestand.open(QIODevice::WriteOnly | QIODevice::Truncate));
    Controleer(bestand.write(bytes) == bytes.size());
    bestand.close();

    if (const auto beeld = platform::LaadPlaatje(Pad()))
        Controleer(!beeld->isNull() && beeld->width() <= kGrootsteZijde && beeld->height() <= kGrootsteZijde);

    if (const auto foto = platform::LaadPlaatjeOpMaat(Pad(), rechthoek)) {
        Controleer(!foto->beeld.isNull());
        const QSize eigen = foto->eigenMaat;
        Controleer(eigen.width() <= kGrootsteZijde && eigen.height() <= kGrootsteZijde);
        if (eigen.width() > rechthoek.width() && eigen.height() > rechthoek.height())
            Controleer(foto->beeld.size() == rechthoek);
    }
    return 0;
}
