#pragma once

#include "background/doek.h"
#include "background/transparant.h"
#include "invoice/factuur.h"
#include "platform/pictures.h"

#include "support/bitmap.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QImage>
#include <QPushButton>
#include <gtest/gtest.h>

// A program folder and the designer window on it, with the pause taken out
// and the file-open dialog answered by `gekozen`.
struct Opstelling {
    TempProgramFolder map;
    Factuur factuur;
    ScriptedPrompts prompts;
    Transparant venster{factuur, prompts, map.path()};
    QString gekozen;

    Opstelling()
    {
        venster.Pauze = 0;
        venster.KiesBestand = [this](QWidget*) { return gekozen; };
    }

    void Open(const QImage& plaatje)
    {
        gekozen = map.file(QStringLiteral("foto.bmp"));
        ASSERT_TRUE(BewaarBmp(plaatje, gekozen));
        venster.LoadKnop->click();
    }

    void OpenBytes(const QByteArray& bytes, const QString& naam = QStringLiteral("foto.jpg"))
    {
        map.write(naam, bytes);
        gekozen = map.file(naam);
        venster.LoadKnop->click();
    }

    const QImage& Doek() const { return venster.Picture3->Beeld(); }
    QRgb Pixel(int x, int y) const { return Doek().pixel(x, y); }
};

inline QImage Effen(QColor kleur, int breed = 40, int hoog = 30)
{
    QImage plaatje(breed, hoog, QImage::Format_RGB32);
    plaatje.fill(kleur);
    return plaatje;
}

// Each pixel its own colour, so a picture moved or mirrored is told apart.
inline QImage Verloop(int breed = Transparant::kBreedte, int hoog = Transparant::kHoogte)
{
    QImage plaatje(breed, hoog, QImage::Format_RGB32);
    for (int y = 0; y < hoog; ++y)
        for (int x = 0; x < breed; ++x) plaatje.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 100 + (y / 256) * 50));
    return plaatje;
}
