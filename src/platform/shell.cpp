#include "platform/shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace platform {

void OpenMetShell(const QString& adres)
{
    const QUrl url = QFileInfo::exists(adres) ? QUrl::fromLocalFile(adres) : QUrl::fromUserInput(adres);
    QDesktopServices::openUrl(url);
}

}  // namespace platform
