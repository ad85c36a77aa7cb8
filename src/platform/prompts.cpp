#include "platform/prompts.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace platform {

namespace {

void Bericht(QMessageBox::Icon icoon, const QString& titel, const QString& tekst, QWidget* eigenaar)
{
    QMessageBox box(icoon, titel, tekst, QMessageBox::Ok, eigenaar);
    box.exec();
}

}  // namespace

QWidget* QtPrompts::Eigenaar() const
{
    return QApplication::activeWindow();
}

bool QtPrompts::Vraag(const QString& titel, const QString& tekst)
{
    QMessageBox box(QMessageBox::Question, titel, tekst, QMessageBox::NoButton, Eigenaar());
    QAbstractButton* ja = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("&Nee"), QMessageBox::NoRole);
    box.setDefaultButton(static_cast<QPushButton*>(ja));
    box.exec();
    return box.clickedButton() == ja;
}

void QtPrompts::Melding(const QString& titel, const QString& tekst)
{
    Bericht(QMessageBox::Information, titel, tekst, Eigenaar());
}

void QtPrompts::Fout(const QString& titel, const QString& tekst)
{
    Bericht(QMessageBox::Critical, titel, tekst, Eigenaar());
}

std::optional<QString> QtPrompts::Invoer(const QString& titel, const QString& tekst, const QString& voorstel)
{
    QInputDialog box(Eigenaar());
    box.setWindowTitle(titel);
    box.setLabelText(tekst);
    box.setTextValue(voorstel);
    box.setOkButtonText(QStringLiteral("OK"));
    box.setCancelButtonText(QStringLiteral("Annuleren"));
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}

}  // namespace platform
