#include "ui/dialogs/printer_instellen.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPrinterInfo>
#include <QPushButton>

namespace {

// A machine without printers still lets the paper be chosen for later.
QList<QPageSize> PapierVan(const QString& printer)
{
    QList<QPageSize> papier = QPrinterInfo::printerInfo(printer).supportedPageSizes();
    if (papier.isEmpty())
        for (auto id : {QPageSize::A4, QPageSize::A5, QPageSize::Letter, QPageSize::Legal})
            papier.append(QPageSize(id));
    return papier;
}

}  // namespace

PrinterInstellen::PrinterInstellen(const platform::PrinterKeuze& keuze, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Printer instellen"));
    auto* vorm = new QFormLayout(this);

    PrinterLijst = new QComboBox(this);
    PrinterLijst->addItems(QPrinterInfo::availablePrinterNames());
    PrinterLijst->setCurrentIndex(PrinterLijst->findText(platform::DoelPrinter(keuze)));
    vorm->addRow(QStringLiteral("&Printer:"), PrinterLijst);

    PapierLijst = new QComboBox(this);
    vorm->addRow(QStringLiteral("P&apier:"), PapierLijst);
    const QPageSize standaard = QPrinterInfo::printerInfo(PrinterLijst->currentText()).defaultPageSize();
    VulPapier(keuze.papier.value_or(standaard.isValid() ? standaard : QPageSize(QPageSize::A4)));

    Afdrukstand = new QComboBox(this);
    Afdrukstand->addItem(QStringLiteral("Staand"), QPageLayout::Portrait);
    Afdrukstand->addItem(QStringLiteral("Liggend"), QPageLayout::Landscape);
    Afdrukstand->setCurrentIndex(Afdrukstand->findData(keuze.orientatie));
    vorm->addRow(QStringLiteral("Af&drukstand:"), Afdrukstand);

    auto* knoppen = new QDialogButtonBox(this);
    InstelKnop = knoppen->addButton(QStringLiteral("&Instellen"), QDialogButtonBox::AcceptRole);
    CancelKnop = knoppen->addButton(QStringLiteral("Annuleren"), QDialogButtonBox::RejectRole);
    InstelKnop->setDefault(true);
    vorm->addRow(knoppen);

    connect(knoppen, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoppen, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(PrinterLijst, &QComboBox::currentTextChanged, this, [this] {
        VulPapier(PapierLijst->currentData().value<QPageSize>());
    });
}

// The papers of the printer in the list, the wished one chosen when the printer has it.
void PrinterInstellen::VulPapier(const QPageSize& voorkeur)
{
    PapierLijst->clear();
    for (const QPageSize& papier : PapierVan(PrinterLijst->currentText()))
        PapierLijst->addItem(papier.name(), QVariant::fromValue(papier));
    const int index = PapierLijst->findText(voorkeur.name());
    PapierLijst->setCurrentIndex(index >= 0 ? index : 0);
}

platform::PrinterKeuze PrinterInstellen::Keuze() const
{
    platform::PrinterKeuze keuze;
    keuze.printer = PrinterLijst->currentText();
    if (PapierLijst->currentIndex() >= 0)
        keuze.papier = PapierLijst->currentData().value<QPageSize>();
    keuze.orientatie = static_cast<QPageLayout::Orientation>(Afdrukstand->currentData().toInt());
    return keuze;
}
