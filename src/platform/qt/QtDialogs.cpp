#include "platform/qt/QtDialogs.h"

#include <QtWidgets/QApplication>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QInputDialog>
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

namespace {

// The program's own dialog on every platform, so that it behaves, and can be
// driven, the same everywhere.
QString chooseFile(QWidget* parent, const QString& filter, const QString& folder,
                   QFileDialog::AcceptMode mode, const QString& defaultSuffix = QString())
{
    QFileDialog dialog(parent, QString(), folder, filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen)
        dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

}  // namespace

QString QtDialogs::openFileName(const QString& filter, const QString& folder)
{
    return chooseFile(parent_, filter, folder, QFileDialog::AcceptOpen);
}

QString QtDialogs::saveFileName(const QString& filter, const QString& defaultSuffix,
                                const QString& folder)
{
    return chooseFile(parent_, filter, folder, QFileDialog::AcceptSave, defaultSuffix);
}

QString QtDialogs::askText(const QString& prompt, const QString& initial)
{
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(QApplication::applicationName());
    dialog.setLabelText(prompt);
    dialog.setTextValue(initial);
    // Room for a /dev/serial/by-id/… link.
    dialog.resize(qMax(dialog.sizeHint().width(), 460), dialog.sizeHint().height());
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.textValue().trimmed();
}

}  // namespace brivel
