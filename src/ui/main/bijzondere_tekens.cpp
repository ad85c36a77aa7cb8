#include "ui/main/bijzondere_tekens.h"

#include <QStringList>

QString SpecialeTekens()
{
    const QStringList regels = {
        QStringLiteral("Bijzondere tekens en handelingen met het toetsenbord"),
        QString(),
        QStringLiteral("á  = Ctrl-Alt - a / 160"),
        QStringLiteral("é  = Ctrl-Alt - e / 130"),
        QStringLiteral("ó  = Ctrl-Alt - o / 162"),
        QStringLiteral("ä  = Ctrl-Alt - q / 132"),
        QStringLiteral("ü  = Ctrl-Alt - y / 129"),
        QStringLiteral("ö  = Ctrl-Alt - p / 148"),
        QStringLiteral("ú  = Ctrl-Alt - u / 163"),
        QStringLiteral("µ  = Ctrl-Alt - m / 230"),
        QString(),
        QStringLiteral(" ©  = Ctrl-Alt - c"),
        QStringLiteral("  ²  = Ctrl-Alt - 2"),
        QStringLiteral("  ³  = Ctrl-Alt - 3"),
        QStringLiteral("€  = Ctrl-Alt - 5"),
        QStringLiteral("¼ = Ctrl-Alt - 6 / 172"),
        QStringLiteral("½ = Ctrl-Alt - 7 / 171"),
        QStringLiteral("¾ = Ctrl-Alt - 8"),
        QString(),
        QStringLiteral("Teksten..."),
        QStringLiteral("kopieren  = Ctrl-C"),
        QStringLiteral("plakken    = Ctrl-V"),
    };
    return regels.join(QStringLiteral("\r\n"));
}
