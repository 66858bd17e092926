#include "settings/ui/SettingsReviewWindow.h"

#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTableWidget>
#include <QtWidgets/QVBoxLayout>

#include <algorithm>

namespace brivel {

namespace {

using Map = std::array<quint8, settings::MapEntries>;

constexpr int PlotHeight = 64;
const QColor BeforeGrey(0x80, 0x80, 0x80);
const QColor AfterBlue(0x00, 0x50, 0xC8);
const QColor WarningRed(0xC0, 0x00, 0x00);

// The controller's map and the file's over the petrol times, on one scale.
class MapDiffPlot : public QWidget {
public:
    MapDiffPlot(const Map& before, const Map& after, QString beforeName, QString afterName,
                QWidget* parent)
        : QWidget(parent),
          before_(before),
          after_(after),
          beforeName_(std::move(beforeName)),
          afterName_(std::move(afterName))
    {
        setMinimumHeight(PlotHeight);
    }

    QSize sizeHint() const override { return {240, PlotHeight}; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), palette().color(QPalette::Base));
        const auto [lb, hb] = std::minmax_element(before_.begin(), before_.end());
        const auto [la, ha] = std::minmax_element(after_.begin(), after_.end());
        const int low = std::min<int>(*lb, *la);
        const int high = std::max({int(*hb), int(*ha), low + 1});
        const QRectF plot = QRectF(rect()).adjusted(3, 3, -3, -3);
        auto path = [&](const Map& map) {
            QPainterPath line;
            for (int k = 0; k < settings::MapEntries; ++k) {
                const QPointF at(plot.left() + plot.width() * k / (settings::MapEntries - 1),
                                 plot.bottom() - plot.height() * (map[k] - low) / (high - low));
                if (k == 0)
                    line.moveTo(at);
                else
                    line.lineTo(at);
            }
            return line;
        };
        p.setPen(QPen(BeforeGrey, 1.5));
        p.drawPath(path(before_));
        p.setPen(QPen(AfterBlue, 1.5));
        p.drawPath(path(after_));
        // Which line is which, in the columns' own words.
        const int line = fontMetrics().height();
        p.setPen(BeforeGrey);
        p.drawText(QPointF(plot.right() - 90, plot.top() + line - 2), beforeName_);
        p.setPen(AfterBlue);
        p.drawText(QPointF(plot.right() - 90, plot.top() + 2 * line - 2), afterName_);
    }

private:
    Map before_;
    Map after_;
    QString beforeName_;
    QString afterName_;
};

QTableWidgetItem* textItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

}  // namespace

SettingsReviewWindow::SettingsReviewWindow(const settings::review::Content& content,
                                           QWidget* parent)
    : QDialog(parent), ticked_(content.lines.size(), true)
{
    setObjectName(QStringLiteral("SettingsReview"));
    setWindowTitle(content.title);
    auto* layout = new QVBoxLayout(this);

    // Without a send caption the window only shows (two kept points side by
    // side): no intro, no ticks, no send.
    const bool sends = !content.send.isEmpty();
    auto* intro = new QLabel(content.intro, this);
    intro->setWordWrap(true);
    intro->setVisible(!content.intro.isEmpty());
    layout->addWidget(intro);
    if (!content.warning.isEmpty()) {
        auto* warning = new QLabel(content.warning, this);
        warning->setObjectName(QStringLiteral("ReviewWarning"));
        warning->setWordWrap(true);
        QFont bold = warning->font();
        bold.setBold(true);
        warning->setFont(bold);
        QPalette red = warning->palette();
        red.setColor(QPalette::WindowText, WarningRed);
        warning->setPalette(red);
        layout->addWidget(warning);
    }

    const int rows = static_cast<int>(content.lines.size());
    table_ = new QTableWidget(rows, 3, this);
    table_->setObjectName(QStringLiteral("ReviewTable"));
    table_->setHorizontalHeaderLabels({content.columns[0], content.columns[1], content.columns[2]});
    table_->verticalHeader()->hide();
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::TabFocus);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int r = 0; r < rows; ++r) {
        const settings::review::Line& line = content.lines[r];
        const bool isMap = line.difference.field == settings::Field::InjectionMap;
        const bool isOther = line.difference.isOtherData();
        auto* name = new QTableWidgetItem(
            isMap || isOther ? line.name + QStringLiteral("\n") + line.detail : line.name);
        if (sends) {
            name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            name->setCheckState(Qt::Checked);
        } else {
            name->setFlags(Qt::ItemIsEnabled);
        }
        table_->setItem(r, 0, name);
        if (isMap && content.mapBefore && content.mapAfter) {
            table_->setSpan(r, 1, 1, 2);
            table_->setCellWidget(r, 1,
                                  new MapDiffPlot(*content.mapBefore, *content.mapAfter,
                                                  content.columns[1], content.columns[2], table_));
            table_->setRowHeight(r, PlotHeight + 6);
        } else {
            table_->setItem(r, 1, textItem(line.controller));
            table_->setItem(r, 2, textItem(line.file));
        }
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);
    for (int r = 0; r < rows; ++r)
        if (!table_->cellWidget(r, 1))
            table_->resizeRowToContents(r);
    connect(table_, &QTableWidget::itemChanged, this, &SettingsReviewWindow::itemChanged);
    layout->addWidget(table_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    send_ = new QPushButton(content.send, this);
    send_->setObjectName(QStringLiteral("ReviewSend"));
    send_->setDefault(true);
    cancel_ = new QPushButton(content.cancel, this);
    cancel_->setObjectName(QStringLiteral("ReviewCancel"));
    connect(send_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    send_->setFocus();
    send_->setVisible(sends);
    if (!sends)
        cancel_->setFocus();
    buttons->addWidget(send_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);

    int width = table_->verticalHeader()->width() + 4;
    for (int c = 0; c < 3; ++c)
        width += table_->columnWidth(c);
    int height = table_->horizontalHeader()->height() + 4;
    for (int r = 0; r < rows; ++r)
        height += table_->rowHeight(r);
    table_->setMinimumSize(std::clamp(width, 420, 760), std::clamp(height, 80, 440));
}

void SettingsReviewWindow::itemChanged(QTableWidgetItem* item)
{
    if (item->column() != 0 || item->row() < 0 || item->row() >= static_cast<int>(ticked_.size()))
        return;
    ticked_[item->row()] = item->checkState() == Qt::Checked;
    // Sending nothing would write the controller's own values back: with no
    // line ticked there is nothing to send.
    send_->setEnabled(std::find(ticked_.begin(), ticked_.end(), true) != ticked_.end());
}

}  // namespace brivel
