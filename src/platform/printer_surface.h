#pragma once

#include "platform/painter_surface.h"

#include <QPageLayout>
#include <QPageSize>

#include <memory>
#include <optional>

class QPrinter;

namespace platform {

// What the user chose in the printer set-up. An empty printer name is the
// default printer as the system names it at the moment of printing; no paper
// is the printer's own default.
struct PrinterKeuze {
    QString printer;
    std::optional<QPageSize> papier;
    QPageLayout::Orientation orientatie = QPageLayout::Portrait;
};

// A page from the top-left of the printer's printable area. When there is no
// printer, or it takes no jobs, the first drawing operation throws
// SurfaceFout; so does the end of the document when the job is not accepted.
class PrinterSurface : public PainterSurface {
public:
    // A printer the caller set up (a PDF file, say).
    explicit PrinterSurface(QPrinter& printer);
    // A printer of its own for this one job, looked up when the page starts,
    // so a queue added since the last print is found and nothing of an
    // earlier job carries over.
    explicit PrinterSurface(const PrinterKeuze& keuze);
    ~PrinterSurface() override;

    void endDoc() override;  // sends the page to the printer

protected:
    QPainter& painter() override;
    double devicePixelsPerInch() const override;

private:
    QPrinter& Printer();

    PrinterKeuze keuze_;
    std::unique_ptr<QPrinter> eigen_;
    QPrinter* printer_ = nullptr;
    QPainter painter_;
};

// Whether a printer is there to print on.
bool PrinterAanwezig();

// The printer a job for that choice goes to: the chosen one while it is
// there, otherwise the default; empty when there is none.
QString DoelPrinter(const PrinterKeuze& keuze);

}  // namespace platform
