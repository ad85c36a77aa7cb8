// Draws the two sample pictures that a fresh program folder starts with --
// the logo strip of the sample company and a pale elephant as background --
// and the program's icon for the desktop.
//   make_sample_pictures <logo.bmp> <background.bmp> <icon.png>

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

QImage Logo()
{
    QImage image(625, 125, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient band(0, 0, 625, 0);
    band.setColorAt(0, QColor(22, 60, 110));
    band.setColorAt(1, QColor(70, 140, 190));
    p.fillRect(image.rect(), band);

    // A quill: the sample company writes things down.
    QPainterPath veer;
    veer.moveTo(40, 110);
    veer.cubicTo(60, 60, 100, 25, 140, 12);
    veer.cubicTo(120, 50, 95, 85, 48, 108);
    veer.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 250, 140));
    p.drawPath(veer);
    p.setPen(QPen(QColor(22, 60, 110), 2));
    p.drawLine(QPointF(44, 110), QPointF(128, 22));

    p.setPen(Qt::white);
    QFont naam(QStringLiteral("Arial"));
    naam.setPixelSize(52);
    naam.setBold(true);
    p.setFont(naam);
    p.drawText(QRect(170, 14, 440, 62), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Korpela B.V."));
    QFont regel(QStringLiteral("Arial"));
    regel.setPixelSize(20);
    p.setFont(regel);
    p.setPen(QColor(225, 235, 245));
    p.drawText(QRect(172, 78, 440, 30), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Lindeplein 59  \u2022  7701 KL Dalmere"));
    return image;
}

QImage Olifant()
{
    QImage image(460, 410, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor huid(226, 230, 234);
    const QColor rand(205, 211, 218);
    p.setPen(QPen(rand, 3));
    p.setBrush(huid);

    for (int x : {120, 175, 285, 335})            // legs
        p.drawRoundedRect(x, 250, 52, 120, 18, 18);
    p.drawEllipse(QRectF(95, 120, 320, 190));      // body
    QPainterPath staart;
    staart.moveTo(410, 190);
    staart.cubicTo(440, 210, 440, 250, 432, 280);
    p.setBrush(Qt::NoBrush);
    p.drawPath(staart);
    p.setBrush(huid);
    p.drawEllipse(QRectF(30, 70, 150, 150));       // head
    p.drawEllipse(QRectF(95, 60, 110, 150));       // ear
    QPainterPath slurf;
    slurf.moveTo(48, 170);
    slurf.cubicTo(20, 240, 30, 320, 70, 350);
    slurf.lineTo(92, 336);
    slurf.cubicTo(64, 300, 66, 240, 92, 190);
    slurf.closeSubpath();
    p.drawPath(slurf);
    p.setBrush(rand);
    p.drawEllipse(QPointF(78, 130), 6, 6);         // eye
    p.setPen(QPen(QColor(240, 242, 236), 6));
    p.drawLine(QPointF(70, 196), QPointF(40, 228)); // tusk
    return image;
}

// A sheet of paper with a quill across it.
QImage Icoon()
{
    QImage image(128, 128, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(22, 60, 110), 4));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(22, 8, 80, 108), 6, 6);
    p.setPen(QPen(QColor(150, 160, 175), 4));
    for (int y = 34; y <= 94; y += 15)
        p.drawLine(34, y, 76, y);
    QPainterPath veer;
    veer.moveTo(46, 118);
    veer.cubicTo(62, 74, 92, 36, 124, 10);
    veer.cubicTo(112, 52, 88, 88, 54, 116);
    veer.closeSubpath();
    p.setPen(QPen(QColor(22, 60, 110), 3));
    p.setBrush(QColor(240, 250, 140));
    p.drawPath(veer);
    return image;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <logo.bmp> <background.bmp> <icon.png>\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const bool ok = Logo().save(QString::fromLocal8Bit(argv[1]), "BMP")
                 && Olifant().save(QString::fromLocal8Bit(argv[2]), "BMP")
                 && Icoon().save(QString::fromLocal8Bit(argv[3]), "PNG");
    return ok ? 0 : 1;
}
