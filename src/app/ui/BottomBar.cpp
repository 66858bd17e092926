#include "app/ui/BottomBar.h"

#include "link/Frames.h"
#include "live/ui/LevelLeds.h"
#include "live/LiveModel.h"
#include "platform/qt/SystemColors.h"
#include "widgets/ui/FormParts.h"
#include "widgets/ui/TAbDBColBitBtn.h"
#include "widgets/ui/TAbDBLED.h"
#include "widgets/ui/TAbToggleSwitch.h"

#include <QtGui/QPainter>
#include <QtWidgets/QFrame>
#include <QtWidgets/QLabel>
#include <QtWidgets/QStatusBar>

namespace brivel {

namespace {

constexpr int BarWidth = 773;

}  // namespace

// The status panel is as narrow as the bar allows; a longer text (a
// recording's file name, a controller's long version string) loses its
// middle rather than its end, and shows whole as the tool tip.
class StatusPanel : public QLabel {
public:
    using QLabel::QLabel;

    void setStatus(const QString& text)
    {
        setText(text);
        updateToolTip();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawText(contentsRect(), Qt::AlignLeft | Qt::AlignVCenter, shownText());
    }

    void resizeEvent(QResizeEvent* event) override
    {
        QLabel::resizeEvent(event);
        updateToolTip();
    }

private:
    QString shownText() const
    {
        return fontMetrics().elidedText(text(), Qt::ElideMiddle, contentsRect().width());
    }

    void updateToolTip() { setToolTip(shownText() == text() ? QString() : text()); }
};

BottomBar::BottomBar(QWidget* panel, TAbFlashTimer& flashTimer, LiveModel& model) : QObject(panel)
{
    auto* panel5 = new QFrame(panel);
    panel5->setObjectName(QStringLiteral("Panel5"));
    panel5->setFrameShape(QFrame::Panel);
    panel5->setFrameShadow(QFrame::Raised);
    panel5->setGeometry(0, 509, BarWidth, 22);

    staticText1_ = makeLabel(panel5, QStringLiteral("StaticText1"), QStringLiteral("offline"),
                             QRect(3, 2, 56, 18));
    staticText1_->setAlignment(Qt::AlignCenter);
    staticText1_->setFrameShape(QFrame::Panel);
    staticText1_->setFrameShadow(QFrame::Sunken);
    setBackground(staticText1_, OfflineColor);
    makeLabel(panel5, QStringLiteral("StaticText2"), QStringLiteral("  RX "), QRect(62, 3, 24, 16));
    makeLabel(panel5, QStringLiteral("StaticText3"), QStringLiteral(" TX "), QRect(88, 3, 22, 16));

    polaczSwitch_ = new TAbDBColBitBtn(flashTimer, panel5);
    polaczSwitch_->setObjectName(QStringLiteral("Polacz_switch"));
    polaczSwitch_->setMode(TAbBinGControl::mSwitch);
    polaczSwitch_->setColorOn(QColor(0, 255, 0));
    polaczSwitch_->setColorOff(QColor(255, 0, 0));
    polaczSwitch_->setTextOn(QStringLiteral("* * *"));
    // Its design text differs from the table's ("Rozłączony"); it stays until
    // a language is chosen.
    polaczSwitch_->setTextOff(QStringLiteral("Połącz"));
    polaczSwitch_->setGeometry(114, 1, 104, 20);

    statusBar1_ = new QStatusBar(panel5);
    statusBar1_->setObjectName(QStringLiteral("StatusBar1"));
    statusBar1_->setSizeGripEnabled(false);
    statusBar1_->setGeometry(222, 1, 200, 20);
    statusPanel_ = new StatusPanel(InitialStatusText, statusBar1_);
    statusPanel_->setObjectName(QStringLiteral("StatusBar1Panel0"));
    statusPanel_->setMinimumWidth(50);
    statusBar1_->addWidget(statusPanel_, 1);

    for (int i = 0; i < 4; ++i) {
        const int quarter = 4 - i;
        TAbDBLED* led = makeLevelLed(flashTimer, panel5, QStringLiteral("Gaz_led_%1g").arg(quarter),
                                     QStringLiteral("%1/4").arg(quarter));
        led->move(430 + i * 46, 2);
        leds_.level[quarter - 1] = led;
    }
    leds_.reserve = makeReserveLed(flashTimer, panel5, QStringLiteral("rezerwa_led_gora"));
    leds_.reserve->move(616, 2);

    fuel_ = new TAbToggleSwitch(flashTimer, panel5);
    fuel_->setObjectName(QStringLiteral("paliwo_Switch"));
    fuel_->setMode(TAbBinGControl::mIndicator);
    fuel_->setTextOn(QStringLiteral("LPG"));
    fuel_->setTextOff(QStringLiteral("PB"));
    fuel_->setGeometry(662, 1, 105, 20);

    connect(&model, &LiveModel::changed, this, &BottomBar::showLive);
}

QString BottomBar::statusText() const
{
    return statusPanel_->text();
}

void BottomBar::setStatusText(const QString& text)
{
    statusPanel_->setStatus(text);
}

void BottomBar::setOnline(bool online)
{
    staticText1_->setText(online ? QStringLiteral("online") : QStringLiteral("offline"));
    QPalette palette = staticText1_->palette();
    palette.setColor(QPalette::Window, online ? OnlineColor : OfflineColor);
    staticText1_->setPalette(palette);
}

void BottomBar::showConnectSwitch(bool on)
{
    polaczSwitch_->setChecked(on);
}

void BottomBar::setConnectSwitchOnText(const QString& text)
{
    polaczSwitch_->setTextOn(text);
}

void BottomBar::showLive(const LiveSnapshot& s, LiveChanges changes)
{
    leds_.show(s, changes);
    if (!(changes & FrameDecoded))
        return;
    if (s.active) {
        fuel_->setColorOff(QColor(255, 0, 0));
        fuel_->setColorOn(QColor(0, 255, 0));
    } else {
        fuel_->setColorOff(buttonFace());
        fuel_->setColorOn(buttonFace());
    }
    fuel_->setChecked(s.gasSelected);
}

}  // namespace brivel
