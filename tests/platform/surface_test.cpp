#include "platform/image_surface.h"
#include "platform/pictures.h"
#include "platform/printer_surface.h"

#include "support/bitmap.h"
#include "support/temp_folder.h"

#include <QPrinter>
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

#include <cstdio>

using platform::ImageSurface;
using platform::Surface;

namespace {

QRect InkBounds(const QImage& image, QRgb background)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

}  // namespace

TEST(ImageSurface, TwipsMapToPixelsAndBoxesIncludeTheirCorners)
{
    ImageSurface s(100, 50);
    s.setUnit(Surface::Unit::Twips);
    s.filledBox(150, 300, 450, 315, Qt::red);  // 10,20 to 30,21 in pixels
    EXPECT_EQ(InkBounds(s.image(), qRgb(255, 255, 255)), QRect(QPoint(10, 20), QPoint(30, 21)));
    EXPECT_EQ(s.pixel(10, 20), QColor(Qt::red));
}

TEST(ImageSurface, TextStandsBelowAndRightOfTheCurrentPosition)
{
    ImageSurface s(200, 60);
    s.setUnit(Surface::Unit::Pixels);
    s.setFontSize(12);
    s.setForeColor(Qt::black);
    s.setCurrent(40, 10);
    s.print(QStringLiteral("Hg"));
    const QRect ink = InkBounds(s.image(), qRgb(255, 255, 255));
    EXPECT_GE(ink.left(), 40);
    EXPECT_LE(ink.left(), 43);
    EXPECT_GE(ink.top(), 10);
    EXPECT_LE(ink.top(), 16);
    EXPECT_EQ(s.currentX(), 0);
    EXPECT_GT(s.currentY(), 10 + 12);  // the next line
}

TEST(ImageSurface, FloodFillStaysInsideItsArea)
{
    ImageSurface s(40, 40);
    s.setUnit(Surface::Unit::Pixels);
    s.box(5, 5, 20, 20, Qt::black);
    s.setFillStyle(0);
    s.setFillColor(Qt::blue);
    s.floodFill(10, 10);
    EXPECT_EQ(s.pixel(10, 10), QColor(Qt::blue));
    EXPECT_EQ(s.pixel(6, 6), QColor(Qt::blue));
    EXPECT_EQ(s.pixel(5, 5), QColor(Qt::black));
    EXPECT_EQ(s.pixel(30, 30), QColor(Qt::white));
    EXPECT_EQ(s.pixel(2, 10), QColor(Qt::white));
}

// Random walls make every kind of turn; a plain search over the four
// neighbours says which pixels belong to the area.
TEST(ImageSurface, FloodFillFollowsEveryTurnOfItsArea)
{
    for (unsigned seed : {1u, 2u, 3u}) {
        ImageSurface s(61, 37);
        std::mt19937 gen(seed);
        for (int y = 0; y < 37; ++y)
            for (int x = 0; x < 61; ++x)
                if (gen() % 100 < 40)
                    s.setPixel(x, y, Qt::black);
        s.setPixel(30, 18, Qt::white);
        const QImage voor = s.image();

        std::vector<QPoint> todo{{30, 18}};
        std::set<std::pair<int, int>> gebied;
        while (!todo.empty()) {
            const QPoint p = todo.back();
            todo.pop_back();
            if (!voor.valid(p) || voor.pixel(p) != qRgb(255, 255, 255) || !gebied.insert({p.x(), p.y()}).second)
                continue;
            for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
                todo.push_back(p + d);
        }

        s.setFillStyle(0);
        s.setFillColor(Qt::red);
        s.floodFill(30, 18);
        const QImage na = s.image();
        for (int y = 0; y < 37; ++y)
            for (int x = 0; x < 61; ++x)
                ASSERT_EQ(na.pixel(x, y), gebied.count({x, y}) ? qRgb(255, 0, 0) : voor.pixel(x, y))
                    << seed << ": " << x << "," << y;
    }
}

TEST(ImageSurface, MirrorAndPixelsOutsideAreIgnored)
{
    ImageSurface s(10, 4);
    s.setPixel(0, 0, Qt::red);
    s.setPixel(10, 0, Qt::green);
    s.setPixel(-1, 2, Qt::green);
    s.mirror(true);
    EXPECT_EQ(s.pixel(9, 0), QColor(Qt::red));
    EXPECT_EQ(InkBounds(s.image(), qRgb(255, 255, 255)), QRect(9, 0, 1, 1));
    s.mirror(false);
    EXPECT_EQ(s.pixel(9, 3), QColor(Qt::red));
}

TEST(Pictures, LoadsImagesAndRefusesEverythingElse)
{
    TempProgramFolder map;
    QImage rood(8, 4, QImage::Format_RGB32);
    rood.fill(Qt::red);
    ASSERT_TRUE(BewaarBmp(rood, map.file("rood.bmp")));
    const QByteArray bmp = map.read("rood.bmp");
    EXPECT_EQ(bmp.left(2), QByteArray("BM"));
    EXPECT_EQ(bmp.at(28), 24);  // bits per pixel
    const auto geladen = platform::LaadPlaatje(map.file("rood.bmp"));
    ASSERT_TRUE(geladen.has_value());
    EXPECT_EQ(geladen->size(), QSize(8, 4));
    EXPECT_EQ(geladen->pixel(3, 2), qRgb(255, 0, 0));

    map.write("kapot.bmp", bmp.left(40));
    map.write("zonder-laatste-rij.bmp", bmp.left(bmp.size() - 1));
    map.write("alleen-kop.bmp", bmp.left(60));
    map.write("tekst.jpg", "not a picture at all");
    map.write("figuur.wmf", QByteArray("\xD7\xCD\xC6\x9A", 4) + QByteArray(60, '\0'));
    // A screen of 4 x 23306 pixels whose header reads as no size at all.
    map.write("hoog.gif", QByteArray("GIF89a\x04\x00\x0a\x5b\x21\x10\x2c\x2c\x2c\x37", 16) + QByteArray(16, '\0'));
    for (const char* naam :
         {"kapot.bmp", "zonder-laatste-rij.bmp", "alleen-kop.bmp", "tekst.jpg", "figuur.wmf", "hoog.gif", "weg.bmp"})
        EXPECT_FALSE(platform::LaadPlaatje(map.file(QString::fromLatin1(naam))).has_value()) << naam;
}

TEST(Pictures, APictureForARectangleIsReducedButNeverEnlarged)
{
    TempProgramFolder map;
    QImage foto(400, 300, QImage::Format_RGB32);
    foto.fill(Qt::darkGreen);
    ASSERT_TRUE(foto.save(map.file("foto.jpg"), "JPEG"));
    ASSERT_TRUE(foto.copy(0, 0, 40, 20).save(map.file("klein.png")));
    map.write("kapot.jpg", "no picture");
    struct {
        const char* naam;
        QSize maat;
        QSize beeld;
        QSize eigen;
    } gevallen[] = {
        {"foto.jpg", {100, 50}, {100, 50}, {400, 300}},
        {"foto.jpg", {625, 125}, {400, 300}, {400, 300}},  // wider than the photo: left to the painting
        {"foto.jpg", {1, 1}, {1, 1}, {400, 300}},
        {"klein.png", {80, 20}, {40, 20}, {40, 20}},
    };
    for (const auto& g : gevallen) {
        const auto geladen = platform::LaadPlaatjeOpMaat(map.file(QString::fromLatin1(g.naam)), g.maat);
        ASSERT_TRUE(geladen.has_value()) << g.naam;
        EXPECT_EQ(geladen->beeld.size(), g.beeld) << g.naam << " " << g.maat.width();
        EXPECT_EQ(geladen->eigenMaat, g.eigen) << g.naam;
        EXPECT_LE(std::abs(qGreen(geladen->beeld.pixel(0, 0)) - 128), 8) << g.naam;
    }
    EXPECT_FALSE(platform::LaadPlaatjeOpMaat(map.file("kapot.jpg"), {10, 10}).has_value());
}

TEST(PrinterSurface, PrintsTextAtItsPlaceOnThePage)
{
    TempProgramFolder map;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(map.file("page.pdf"));
    {
        platform::PrinterSurface s(printer);
        s.setUnit(Surface::Unit::Twips);
        s.setFontName(QStringLiteral("Arial"));
        s.setFontSize(11);
        s.setCurrent(300, 2400);
        s.print(QStringLiteral("Korpela B.V."));
        s.filledBox(60, 5580, 11420, 5595, QColor(150, 150, 150));
        s.endDoc();
    }
    const QString cmd = QStringLiteral("pdftotext -layout '%1' -").arg(map.file("page.pdf"));
    FILE* pipe = popen(cmd.toLocal8Bit().constData(), "r");
    ASSERT_NE(pipe, nullptr);
    QByteArray text;
    char buffer[4096];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe))
        text.append(buffer, static_cast<qsizetype>(n));
    pclose(pipe);
    EXPECT_TRUE(text.contains("Korpela B.V.")) << text.constData();
}
