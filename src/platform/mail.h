#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The arguments of xdg-email for a message with attachments.
QStringList MailArgumenten(const QString& aan, const QString& onderwerp, const QString& tekst,
                           const QStringList& bijlagen);

// Hands the message to the user's mail program through xdg-email. False when
// no mail program answered: xdg-email missing, or it says it found none.
bool OpenMail(const QString& aan, const QString& onderwerp, const QString& tekst, const QStringList& bijlagen);

}  // namespace platform
