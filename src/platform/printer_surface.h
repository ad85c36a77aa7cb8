#pragma once

#include "platform/painter_surface.h"

class QPrinter;

namespace platform {

// The default printer's page, from the top-left of its printable area. When
// there is no printer, the first drawing operation throws SurfaceFout.
class PrinterSurface : public PainterSurface {
public:
    explicit PrinterSurface(QPrinter& printer);
    ~PrinterSurface() override;

    void endDoc() override;  // sends the page to the printer

protected:
    QPainter& painter() override;
    double devicePixelsPerInch() const override;

private:
    QPrinter& printer_;
    QPainter painter_;
};

// Whether a printer is there to print on.
bool PrinterAanwezig();

}  // namespace platform
