#include "platform/mail.h"

#include <QProcess>

namespace platform {

QStringList MailArgumenten(const QString& aan, const QString& onderwerp, const QString& tekst,
                           const QStringList& bijlagen)
{
    QStringList argumenten{QStringLiteral("--utf8"), QStringLiteral("--subject"), onderwerp, QStringLiteral("--body"),
                           tekst};
    for (const QString& bijlage : bijlagen)
        argumenten << QStringLiteral("--attach") << bijlage;
    // An address that starts with a dash would be read as an option.
    if (!aan.isEmpty() && !aan.startsWith(QLatin1Char('-')))
        argumenten << aan;
    return argumenten;
}

bool OpenMail(const QString& aan, const QString& onderwerp, const QString& tekst, const QStringList& bijlagen)
{
    auto* xdg = new QProcess;
    xdg->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    xdg->start(QStringLiteral("xdg-email"), MailArgumenten(aan, onderwerp, tekst, bijlagen));
    if (!xdg->waitForStarted(5000)) {
        delete xdg;
        return false;
    }
    // A mail program that stays open can keep xdg-email waiting: it answered,
    // and the process is left to end on its own.
    if (!xdg->waitForFinished(10000)) {
        QObject::connect(xdg, &QProcess::finished, xdg, &QObject::deleteLater);
        return true;
    }
    const bool gelukt = xdg->exitStatus() == QProcess::NormalExit && xdg->exitCode() == 0;
    delete xdg;
    return gelukt;
}

}  // namespace platform
