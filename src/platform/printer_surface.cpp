#include "platform/printer_surface.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace platform {

bool PrinterAanwezig()
{
    return !QPrinterInfo::defaultPrinter().isNull() || !QPrinterInfo::availablePrinters().isEmpty();
}

PrinterSurface::PrinterSurface(QPrinter& printer) : printer_(printer) {}

PrinterSurface::~PrinterSurface()
{
    // A document that was never ended is not sent.
    if (painter_.isActive()) {
        printer_.abort();
        painter_.end();
    }
}

QPainter& PrinterSurface::painter()
{
    if (!painter_.isActive()) {
        if (printer_.outputFormat() == QPrinter::NativeFormat && !PrinterAanwezig())
            throw SurfaceFout("no printer");
        if (!painter_.begin(&printer_))
            throw SurfaceFout("the printer cannot start a document");
    }
    return painter_;
}

double PrinterSurface::devicePixelsPerInch() const
{
    return printer_.resolution();
}

void PrinterSurface::endDoc()
{
    if (painter_.isActive())
        painter_.end();
}

}  // namespace platform
