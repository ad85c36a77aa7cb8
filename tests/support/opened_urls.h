#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QStringList>
#include <QUrl>

// Catches what the program asks the desktop to open, for the given URL
// schemes, instead of starting a browser or mail program.
class GeopendeAdressen : public QObject {
    Q_OBJECT
public:
    explicit GeopendeAdressen(const QStringList& schemes) : schemes_(schemes)
    {
        for (const QString& scheme : schemes_)
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~GeopendeAdressen() override
    {
        for (const QString& scheme : schemes_)
            QDesktopServices::unsetUrlHandler(scheme);
    }

    QStringList adressen;

public slots:
    void open(const QUrl& url) { adressen << url.toString(); }

private:
    QStringList schemes_;
};
