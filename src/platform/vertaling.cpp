#include "platform/vertaling.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace platform {

bool LaadQtInHetNederlands(QCoreApplication& app)
{
    auto* vertaling = new QTranslator(&app);
    if (!vertaling->load(QStringLiteral("qtbase_nl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete vertaling;
        return false;
    }
    return QCoreApplication::installTranslator(vertaling);
}

}  // namespace platform
