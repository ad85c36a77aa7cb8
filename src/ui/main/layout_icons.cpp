#include "ui/main/layout_icons.h"

#include <QPainter>
#include <QPixmap>

QIcon LayoutIcoon(int layout)
{
    // The page is drawn at a tenth of the preview's 400 x 600.
    QPixmap pixmap(40, 60);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setPen(QColor(120, 120, 120));
    p.drawRect(0, 0, 39, 59);
    p.fillRect(1, 1, 38, 8, QColor(200, 200, 200));           // logo strip
    p.fillRect(3, 10, 12, 5, QColor(160, 160, 160));          // sender
    p.drawRect(18, 12, 19, 6);                                // address
    p.drawLine(1, 22, 38, 22);
    const int kolommen1[] = {5, 26, 30, 35};
    const int kolommen2[] = {5, 35};
    if (layout == 1) {
        for (int x : kolommen1)
            p.drawLine(x, 22, x, 56);
        p.drawLine(1, 52, 38, 52);
        p.drawLine(1, 54, 38, 54);
    } else {
        for (int x : kolommen2)
            p.drawLine(x, 22, x, 56);
        for (int y : {50, 52, 54})
            p.drawLine(1, y, 38, y);
    }
    p.setPen(QColor(90, 90, 200));
    for (int y = 25; y < 48; y += 3)
        p.drawLine(7, y, 22, y);
    return QIcon(pixmap);
}
