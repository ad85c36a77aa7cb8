#include "platform/printer_surface.h"

#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

namespace platform {

namespace {

// A queue that was told to refuse jobs still looks idle to Qt.
bool NeemtOpdrachtenAan(const QString& printer)
{
    const QByteArray naam = printer.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
    cups_dest_t* bestemming = cupsGetNamedDest(CUPS_HTTP_DEFAULT, naam.constData(), nullptr);
    if (!bestemming)
        return false;
    const char* aan = cupsGetOption("printer-is-accepting-jobs", bestemming->num_options, bestemming->options);
    const bool neemtAan = !aan || qstrcmp(aan, "false") != 0;
    cupsFreeDests(1, bestemming);
    return neemtAan;
}

// Twip (0, 0) at the top-left of what the printer can print, not at Qt's
// default margin.
void OorsprongOpAfdrukgebied(QPrinter& printer)
{
    printer.setFullPage(false);
    printer.setPageMargins(printer.pageLayout().minimumMargins(), printer.pageLayout().units());
}

}  // namespace

bool PrinterAanwezig()
{
    return !QPrinterInfo::defaultPrinter().isNull() || !QPrinterInfo::availablePrinters().isEmpty();
}

QString DoelPrinter(const PrinterKeuze& keuze)
{
    const QStringList printers = QPrinterInfo::availablePrinterNames();
    if (!keuze.printer.isEmpty() && printers.contains(keuze.printer))
        return keuze.printer;
    const QString standaard = QPrinterInfo::defaultPrinterName();
    if (!standaard.isEmpty())
        return standaard;
    return printers.isEmpty() ? QString() : printers.first();
}

PrinterSurface::PrinterSurface(QPrinter& printer) : printer_(&printer) {}

PrinterSurface::PrinterSurface(const PrinterKeuze& keuze) : keuze_(keuze) {}

PrinterSurface::~PrinterSurface()
{
    // A document that was never ended is not sent.
    if (painter_.isActive()) {
        printer_->abort();
        painter_.end();
    }
}

QPrinter& PrinterSurface::Printer()
{
    if (printer_)
        return *printer_;
    const QString naam = DoelPrinter(keuze_);
    if (naam.isEmpty())
        throw SurfaceFout("no printer");
    eigen_ = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(naam), QPrinter::HighResolution);
    if (keuze_.papier)
        eigen_->setPageSize(*keuze_.papier);
    eigen_->setPageOrientation(keuze_.orientatie);
    printer_ = eigen_.get();
    return *printer_;
}

QPainter& PrinterSurface::painter()
{
    if (!painter_.isActive()) {
        QPrinter& printer = Printer();
        const bool wachtrij = printer.outputFormat() == QPrinter::NativeFormat;
        if (wachtrij && (!PrinterAanwezig() || !NeemtOpdrachtenAan(printer.printerName())))
            throw SurfaceFout("no printer that takes jobs");
        OorsprongOpAfdrukgebied(printer);
        if (!painter_.begin(&printer))
            throw SurfaceFout("the printer cannot start a document");
    }
    return painter_;
}

double PrinterSurface::devicePixelsPerInch() const
{
    return printer_ ? printer_->resolution() : 1200;
}

void PrinterSurface::endDoc()
{
    if (!painter_.isActive())
        return;
    if (!painter_.end())
        throw SurfaceFout("the page could not be finished");
    // Qt hands the page to the spooler as the painter ends and keeps quiet
    // when the spooler turns it down; that answer is the last one CUPS gave.
    if (printer_->outputFormat() == QPrinter::NativeFormat && cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
        throw SurfaceFout(cupsLastErrorString());
}

}  // namespace platform
