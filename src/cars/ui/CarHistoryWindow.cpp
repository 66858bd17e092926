#include "cars/ui/CarHistoryWindow.h"

#include "cars/ui/ButtonRow.h"
#include "cars/CarTexts.h"
#include "i18n/MessageTable.h"

#include <QtCore/QLocale>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTreeWidget>
#include <QtWidgets/QVBoxLayout>

namespace brivel::cars {

namespace {

using R = msg::Row;
using Kind = TimelineEntry::Kind;

}  // namespace

CarHistoryWindow::CarHistoryWindow(const MessageTable& messages, QWidget* parent)
    : QDialog(parent), messages_(messages)
{
    setObjectName(QStringLiteral("CarHistoryWindow"));
    auto* layout = new QVBoxLayout(this);
    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("HistoryCar"));
    title_->setTextFormat(Qt::PlainText);
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    layout->addWidget(title_);

    timeline_ = new QTreeWidget(this);
    timeline_->setObjectName(QStringLiteral("HistoryTimeline"));
    timeline_->setColumnCount(3);
    timeline_->setRootIsDecorated(false);
    timeline_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    timeline_->setAlternatingRowColors(true);
    timeline_->setWordWrap(true);
    timeline_->header()->setStretchLastSection(true);
    connect(timeline_, &QTreeWidget::itemSelectionChanged, this, &CarHistoryWindow::updateButtons);
    layout->addWidget(timeline_, 1);

    auto* buttons = new QHBoxLayout;
    auto button = [this, buttons](const char* name) { return addRowButton(this, buttons, name); };
    compare_ = button("ComparePoints");
    export_ = button("ExportPoint");
    restore_ = button("RestorePoint");
    openRecording_ = button("OpenRecording");
    import_ = button("ImportFile");
    buttons->addStretch();
    close_ = button("HistoryClose");
    layout->addLayout(buttons);

    connect(compare_, &QPushButton::clicked, this, [this] {
        const QList<TimelineEntry> s = selected();
        if (s.size() == 2)
            emit compareRequested(s[0].id, s[1].id);
    });
    connect(export_, &QPushButton::clicked, this, [this] {
        const QList<TimelineEntry> s = selected();
        if (s.size() == 1)
            emit exportRequested(s[0].id);
    });
    connect(restore_, &QPushButton::clicked, this, [this] {
        const QList<TimelineEntry> s = selected();
        if (s.size() == 1)
            emit restoreRequested(s[0].id);
    });
    connect(openRecording_, &QPushButton::clicked, this, [this] {
        const QList<TimelineEntry> s = selected();
        if (s.size() == 1)
            emit openRecordingRequested(s[0].id);
    });
    connect(import_, &QPushButton::clicked, this, &CarHistoryWindow::importRequested);
    connect(close_, &QPushButton::clicked, this, &QDialog::close);

    resize(760, 440);
    showTexts();
    updateButtons();
}

void CarHistoryWindow::showTexts()
{
    setWindowTitle(messages_.text(R::HistoryTitle).arg(car_.plate));
    title_->setText(text::carLabel(car_));
    timeline_->setHeaderLabels({messages_.text(R::ColumnTime), messages_.text(R::ColumnEvent),
                                messages_.text(R::ColumnDetails)});
    compare_->setText(messages_.text(R::ComparePoints));
    export_->setText(messages_.text(R::ExportPoint));
    restore_->setText(messages_.text(R::RestorePoint));
    openRecording_->setText(messages_.text(R::OpenRecording));
    import_->setText(messages_.text(R::ImportFile));
    close_->setText(messages_.text(R::CloseWindow));
    // Each caption whole in every language.
    for (QPushButton* b : {compare_, export_, restore_, openRecording_, import_, close_})
        b->setMinimumWidth(b->sizeHint().width());
    layout()->activate();
}

void CarHistoryWindow::showHistory(const Car& car, const QList<TimelineEntry>& entries)
{
    const bool sameCar = car.id == car_.id;
    QStringList kept;
    for (const TimelineEntry& e : selected())
        kept << e.id;
    car_ = car;
    entries_ = entries;
    timeline_->clear();
    const QLocale locale;
    for (const TimelineEntry& e : entries) {
        auto* item = new QTreeWidgetItem(
            timeline_,
            {locale.toString(e.time.toLocalTime(), QLocale::ShortFormat), e.title, e.detail});
        item->setToolTip(2, e.detail);
        if (sameCar && kept.contains(e.id))
            item->setSelected(true);
    }
    timeline_->resizeColumnToContents(0);
    timeline_->resizeColumnToContents(1);
    showTexts();
    updateButtons();
}

void CarHistoryWindow::setConnected(bool connected)
{
    connected_ = connected;
    updateButtons();
}

QList<TimelineEntry> CarHistoryWindow::selected() const
{
    QList<TimelineEntry> s;
    for (int i = 0; i < timeline_->topLevelItemCount() && i < entries_.size(); ++i)
        if (timeline_->topLevelItem(i)->isSelected())
            s << entries_[i];
    return s;
}

void CarHistoryWindow::updateButtons()
{
    const QList<TimelineEntry> s = selected();
    const bool onePoint = s.size() == 1 && s[0].kind == Kind::Point;
    compare_->setEnabled(s.size() == 2 && s[0].kind == Kind::Point && s[1].kind == Kind::Point);
    export_->setEnabled(onePoint);
    restore_->setEnabled(onePoint && connected_);
    openRecording_->setEnabled(s.size() == 1 && s[0].kind == Kind::Recording);
    import_->setEnabled(!car_.id.isEmpty());
}

}  // namespace brivel::cars
