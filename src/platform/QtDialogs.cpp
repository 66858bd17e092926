#include "platform/QtDialogs.h"

#include <QtWidgets/QApplication>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QMessageBox>

namespace brivel {

void QtDialogs::showMessage(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok,
                    parent_);
    box.exec();
}

void QtDialogs::showError(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), text, QMessageBox::Ok,
                    parent_);
    box.exec();
}

bool QtDialogs::confirm(const QString& question)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), question,
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString QtDialogs::openFileName(const QString& filter)
{
    return QFileDialog::getOpenFileName(parent_, QString(), QString(), filter);
}

QString QtDialogs::saveFileName(const QString& filter, const QString& defaultSuffix)
{
    QFileDialog dialog(parent_, QString(), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

}  // namespace brivel
