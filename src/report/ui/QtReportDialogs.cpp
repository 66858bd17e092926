#include "report/ui/QtReportDialogs.h"

#include <QtWidgets/QDialog>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QFormLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QVBoxLayout>

namespace brivel::report {

namespace {

QDialogButtonBox* buttons(QDialog& dialog, const settings::MessageLookup& text)
{
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    box->button(QDialogButtonBox::Cancel)->setText(text(msg::Row::Cancel).trimmed());
    QObject::connect(box, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return box;
}

}  // namespace

QtReportDialogs::QtReportDialogs(QWidget* parent, settings::MessageLookup text)
    : parent_(parent), text_(std::move(text))
{
}

std::optional<QString> QtReportDialogs::askNotes()
{
    QDialog dialog(parent_);
    dialog.setObjectName(QStringLiteral("ReportNotesDialog"));
    dialog.setWindowTitle(text_(msg::Row::ReportTitle).trimmed());
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(text_(msg::Row::ReportNotesPrompt).trimmed(), &dialog));
    auto* notes = new QPlainTextEdit(&dialog);
    notes->setObjectName(QStringLiteral("ReportNotes"));
    notes->setMinimumSize(420, 160);
    layout->addWidget(notes);
    QObject::connect(notes, &QPlainTextEdit::textChanged, notes, [notes] {
        if (notes->toPlainText().size() > MaxNotes) {
            notes->setPlainText(notes->toPlainText().left(MaxNotes));
            notes->moveCursor(QTextCursor::End);
        }
    });
    layout->addWidget(buttons(dialog, text_));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return notes->toPlainText();
}

std::optional<WorkshopDetails> QtReportDialogs::editWorkshop(const WorkshopDetails& current)
{
    QDialog dialog(parent_);
    dialog.setObjectName(QStringLiteral("WorkshopDialog"));
    dialog.setWindowTitle(text_(msg::Row::WorkshopItem).trimmed().remove(QChar(0x2026)));
    auto* layout = new QVBoxLayout(&dialog);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    auto field = [&](msg::Row label, const QString& value) {
        auto* edit = new QLineEdit(value, &dialog);
        edit->setMinimumWidth(300);
        edit->setMaxLength(120);
        form->addRow(text_(label).trimmed(), edit);
        return edit;
    };
    QLineEdit* name = field(msg::Row::WorkshopName, current.name);
    QLineEdit* address = field(msg::Row::WorkshopAddress, current.address);
    QLineEdit* phone = field(msg::Row::WorkshopPhone, current.phone);
    QLineEdit* fitter = field(msg::Row::ReportFitter, current.fitter);
    layout->addWidget(buttons(dialog, text_));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return WorkshopDetails{name->text().trimmed(), address->text().trimmed(),
                           phone->text().trimmed(), fitter->text().trimmed()};
}

}  // namespace brivel::report
