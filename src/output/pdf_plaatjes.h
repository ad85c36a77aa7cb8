#pragma once

#include <QSizeF>
#include <QString>

namespace pdf {
class PdfWriter;
}

// Puts the picture file into the PDF as an image resource of that name, for
// a place on the page of plekMm millimetres. A bitmap the writer's own reader
// takes goes in as that reader gives it; any other picture the page shows
// (a top-down, 32-bit or compressed bitmap, a PNG) goes in as the page
// decodes it. A picture far finer than its place needs is drawn from a copy
// scaled to the place, so a huge file does not make a huge PDF. False when
// the file is no picture the page could show.
bool PdfPlaatje(pdf::PdfWriter& w, const char* naam, const QString& pad, QSizeF plekMm);
