#include "platform/prompts.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace platform {

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
    QMessageBox box(QMessageBox::Information, titel, tekst, QMessageBox::Ok, Eigenaar());
    box.exec();
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
