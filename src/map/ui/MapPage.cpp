#include "map/ui/MapPage.h"

#include "live/LiveModel.h"
#include "map/ui/MapChart.h"
#include "map/ui/MapPaintBox.h"
#include "platform/qt/SystemColors.h"
#include "settings/SettingsModel.h"
#include "widgets/ui/FormParts.h"
#include "widgets/ui/TAbSpinButton.h"

#include <QtGui/QKeySequence>
#include <QtGui/QShortcut>
#include <QtWidgets/QFrame>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>

namespace brivel {

namespace {

const QRect ChartPlace(-5, 8, 593, 345);
const QRect Panel4Place(269, 356, 41, map::MapCorrection::PanelHeightSpinOnly);
const QRect SpinPlace(8, 5, 25, 60);
const QRect ClearPlace(8, 76, 25, 25);
const QRect GasButtonPlace(150, 364, 90, 26);
const QRect PetrolButtonPlace(339, 364, 90, 26);
const QRect UndoButtonPlace(446, 364, 66, 26);
const QRect RedoButtonPlace(516, 364, 66, 26);
// Left of the range panel, under the chart.
const QRect NoticePlace(6, 396, 258, 64);
constexpr int SpinStartDelayMs = 500;
constexpr int SpinIntervalMs = 100;
const QColor RangeYellow(255, 255, 0);

QPushButton* makeButton(QWidget* parent, const char* name, const QRect& at)
{
    // Captions that follow the language come from the caption table.
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(at);
    return button;
}

}  // namespace

MapPage::MapPage(QWidget* page, TAbFlashTimer& flashTimer, map::MapPageModel& model,
                 LiveModel& live, SettingsModel& settings)
    : QObject(page), model_(model)
{
    chart_ = new MapChart(model_.chart(), page);
    chart_->setGeometry(ChartPlace);
    paintBox_ = new MapPaintBox(chart_);
    paintBox_->setGeometry(MapChart::PlotArea);
    connect(paintBox_, &MapPaintBox::mouseDown, this, &MapPage::PaintBox1MouseDown);
    connect(paintBox_, &MapPaintBox::mouseUp, this, &MapPage::PaintBox1MouseUp);

    panel4_ = new QFrame(page);
    panel4_->setObjectName(QStringLiteral("Panel4"));
    panel4_->setFrameShape(QFrame::Panel);
    panel4_->setFrameShadow(QFrame::Raised);
    panel4_->setGeometry(Panel4Place);
    setBackground(panel4_, buttonFace());

    spin_ = new TAbSpinButton(flashTimer, panel4_);
    spin_->setObjectName(QStringLiteral("AbSpinButton1"));
    spin_->setGeometry(SpinPlace);
    spin_->setStartDelay(SpinStartDelayMs);
    spin_->setInterval(SpinIntervalMs);
    connect(spin_, &TAbSpinButton::upClick, this, &MapPage::AbSpinButton1UpClick);
    connect(spin_, &TAbSpinButton::downClick, this, &MapPage::AbSpinButton1DownClick);

    button3_ = makeButton(panel4_, "Button3", ClearPlace);
    button3_->setText(QStringLiteral("X"));
    QFont bold = button3_->font();
    bold.setBold(true);
    button3_->setFont(bold);
    connect(button3_, &QPushButton::clicked, this, &MapPage::Button3Click);

    bitBtn1_ = makeButton(page, "BitBtn1", GasButtonPlace);
    connect(bitBtn1_, &QPushButton::clicked, this, &MapPage::BitBtn1Click);
    bitBtn2_ = makeButton(page, "BitBtn2", PetrolButtonPlace);
    connect(bitBtn2_, &QPushButton::clicked, this, &MapPage::BitBtn2Click);

    // Captions from the caption table; enabled while there is a step to
    // undo or redo. The keys work while the page is shown.
    undo_ = makeButton(page, "MapUndo", UndoButtonPlace);
    connect(undo_, &QPushButton::clicked, this, &MapPage::MapUndoClick);
    redo_ = makeButton(page, "MapRedo", RedoButtonPlace);
    connect(redo_, &QPushButton::clicked, this, &MapPage::MapRedoClick);
    auto* undoKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), page);
    connect(undoKey, &QShortcut::activated, this, &MapPage::MapUndoClick);
    auto* redoKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), page);
    connect(redoKey, &QShortcut::activated, this, &MapPage::MapRedoClick);
    notice_ = new QLabel(page);
    notice_->setObjectName(QStringLiteral("MapNotice"));
    notice_->setGeometry(NoticePlace);
    notice_->setWordWrap(true);
    notice_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette red = notice_->palette();
    red.setColor(QPalette::WindowText, QColor(192, 0, 0));
    notice_->setPalette(red);
    notice_->hide();
    showHistory();

    connect(&live, &LiveModel::changed, this, &MapPage::showLive);
    connect(&settings, &SettingsModel::parameterBlockChanged, this, &MapPage::showParameterBlock);
    connect(&settings, &SettingsModel::mapAxisMaximumChanged, this, &MapPage::setMapAxisMaximum);
    show(seriesBit(map::MapSeries::Map));
}

void MapPage::show(map::SeriesSet changed)
{
    if (changed)
        chart_->showSeries(changed);
}

void MapPage::useRoom(QSize extra)
{
    const double sx = double(ChartPlace.width() + extra.width()) / ChartPlace.width();
    const double sy = double(ChartPlace.height() + extra.height()) / ChartPlace.height();
    zoomX_ = sx;
    chart_->setZoom(sx, sy);
    const QRect& plot = MapChart::PlotArea;
    paintBox_->setGeometry(qRound(plot.x() * sx), qRound(plot.y() * sy), qRound(plot.width() * sx),
                           qRound(plot.height() * sy));
    // The buttons keep their size and their place under the chart.
    auto below = [&](QWidget* widget, const QRect& place) {
        widget->move(ChartPlace.x() + qRound((place.x() - ChartPlace.x()) * sx),
                     place.y() + extra.height());
    };
    below(panel4_, Panel4Place);
    below(bitBtn1_, GasButtonPlace);
    below(bitBtn2_, PetrolButtonPlace);
    below(undo_, UndoButtonPlace);
    below(redo_, RedoButtonPlace);
}

void MapPage::showPanel()
{
    const map::MapCorrection& c = model_.correction();
    panel4_->resize(panel4_->width(), c.panelHeight());
    setBackground(panel4_, c.panelHighlighted() ? RangeYellow : buttonFace());
}

void MapPage::setMapAxisMaximum(int kPa)
{
    chart_->setRightAxisMaximum(kPa);
}

void MapPage::showLive(const LiveSnapshot& snapshot, LiveChanges changes)
{
    if (changes & FrameDecoded)
        show(model_.followFrame(snapshot));
}

void MapPage::PaintBox1MouseDown(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                                 QPoint at)
{
    // The correction counts the plot's design pixel columns.
    show(model_.press(buttons, modifiers, static_cast<int>(at.x() / zoomX_)));
    showPanel();
}

void MapPage::PaintBox1MouseUp()
{
    model_.release();
    spin_->setEnabled(model_.correction().spinEnabled());
}

void MapPage::Button3Click()
{
    show(model_.clearRange());
    showPanel();
}

void MapPage::AbSpinButton1UpClick()
{
    show(model_.stepRange(+1));
    showHistory();
}

void MapPage::AbSpinButton1DownClick()
{
    show(model_.stepRange(-1));
    showHistory();
}

void MapPage::MapUndoClick()
{
    show(model_.undo());
    showHistory();
}

void MapPage::MapRedoClick()
{
    show(model_.redo());
    showHistory();
}

void MapPage::showHistory()
{
    undo_->setEnabled(model_.canUndo());
    redo_->setEnabled(model_.canRedo());
    notice_->setText(model_.notice());
    notice_->setVisible(!model_.notice().isEmpty());
}

void MapPage::setSendingPossible(bool possible)
{
    model_.setSendingPossible(possible);
    showHistory();
}

void MapPage::showParameterBlock(const QByteArray& block)
{
    show(model_.loadParameterBlock(block));
    showHistory();
}

}  // namespace brivel
