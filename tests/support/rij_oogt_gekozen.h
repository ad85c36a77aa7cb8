#pragma once

#include <QImage>
#include <QListWidget>

// Whether the list's row is drawn as chosen: past its text, where only the
// row's own fill shows, it differs from the list's colour.
inline bool RijOogtGekozen(QListWidget* lijst, int rij)
{
    const QRect vak = lijst->visualItemRect(lijst->item(rij));
    const QImage beeld = lijst->viewport()->grab().toImage();
    return beeld.pixelColor(vak.right() - 4, vak.center().y()) != lijst->palette().color(QPalette::Base);
}
