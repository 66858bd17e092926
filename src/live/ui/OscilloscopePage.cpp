#include "live/ui/OscilloscopePage.h"

#include "live/LiveModel.h"
#include "widgets/ui/TAbMiniTrend.h"
#include "widgets/TSignalSettings.h"

#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QRadioButton>

namespace brivel {

TAbMiniTrend* OscilloscopePage::makeTrend(TAbFlashTimer& flashTimer, QWidget* parent)
{
    auto* trend = new TAbMiniTrend(flashTimer, parent);
    trend->setObjectName(QStringLiteral("Oscyloskop"));
    trend->setGeometry(0, 10, 585, 327);
    trend->setOptions(TAbMiniTrend::opBevelOuter | TAbMiniTrend::opScaleCh1 |
                      TAbMiniTrend::opScaleCh2 | TAbMiniTrend::opSignDescCh1 |
                      TAbMiniTrend::opSignDescCh2 | TAbMiniTrend::opGrid);
    trend->setTimeScale(1);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    font.setBold(true);
    trend->setFont(font);
    for (TSignalSettings* s : {trend->signalSettingsCh1(), trend->signalSettingsCh2()}) {
        s->setValueRange(0, 50);
        s->setDigitalTo(50);
        s->setValueFormat(QStringLiteral("##0"));
        s->setName1(QStringLiteral(" "));
        s->setName2(QStringLiteral(" "));
        s->setValueUnit(QStringLiteral(" "));
    }
    trend->setDigitCh1(0);
    trend->setDigitCh2(0);
    return trend;
}

OscilloscopePage::OscilloscopePage(QWidget* page, TAbFlashTimer& flashTimer, LiveModel& model)
    : QObject(page), model_(model)
{
    oscyloskop_ = makeTrend(flashTimer, page);

    radioGroup1_ = new QGroupBox(page);
    radioGroup1_->setObjectName(QStringLiteral("RadioGroup1"));
    radioGroup1_->setGeometry(0, 342, 585, 118);
    auto* exclusive = new QButtonGroup(this);
    const auto& modes = live::oscilloscopeModes();
    for (size_t i = 0; i < modes.size(); ++i) {
        const QString caption = modes[i].caption ? QString::fromUtf8(modes[i].caption) : QString();
        auto* button = new QRadioButton(caption, radioGroup1_);
        button->setObjectName(QLatin1String(modes[i].buttonName));
        button->setGeometry(16 + static_cast<int>(i % 2) * 280, 12 + static_cast<int>(i / 2) * 32,
                            260, 24);
        exclusive->addButton(button);
        buttons_[i] = button;
        const live::OscilloscopeMode mode = modes[i].mode;
        // A click on the button already chosen changes nothing.
        connect(button, &QRadioButton::toggled, this, [this, mode](bool on) {
            if (on)
                choose(mode);
        });
    }
    connect(&model, &LiveModel::changed, this, &OscilloscopePage::showLive);
}

void OscilloscopePage::choose(live::OscilloscopeMode mode)
{
    const live::ModeSetup& setup = live::oscilloscopeModes()[static_cast<size_t>(mode)];
    chosen_ = mode;
    buttons_[static_cast<size_t>(mode)]->setChecked(true);
    TSignalSettings* ch1 = oscyloskop_->signalSettingsCh1();
    TSignalSettings* ch2 = oscyloskop_->signalSettingsCh2();
    ch1->setName1(QString::fromUtf8(setup.ch1.name1));
    ch1->setValueUnit(QString::fromUtf8(setup.ch1.unit));
    ch1->setValueTo(setup.ch1.valueTo);
    ch2->setName1(QString::fromUtf8(setup.ch2.name1));
    ch2->setValueUnit(QString::fromUtf8(setup.ch2.unit));
    float top = setup.ch2.valueTo;
    if (setup.lambdaTop) {
        // The range top as it is now; a later latch does not reach the copy.
        const LiveSnapshot& live = model_.snapshot();
        top = mode == live::OscilloscopeMode::RpmLambda1 ? live.lambda1Top : live.lambda2Top;
    }
    ch2->setValueTo(top);
}

void OscilloscopePage::clearLambdaModes()
{
    for (live::OscilloscopeMode mode :
         {live::OscilloscopeMode::RpmLambda1, live::OscilloscopeMode::RpmLambda2}) {
        if (chosen_ != mode)
            continue;
        chosen_.reset();
        // An exclusive group refuses to uncheck its checked button.
        QRadioButton* button = buttons_[static_cast<size_t>(mode)];
        QButtonGroup* group = button->group();
        group->setExclusive(false);
        button->setChecked(false);
        group->setExclusive(true);
    }
}

void OscilloscopePage::showLive(const LiveSnapshot& s, LiveChanges changes)
{
    if (!(changes & FrameDecoded) || !chosen_)
        return;
    const live::ModeSetup& setup = live::oscilloscopeModes()[static_cast<size_t>(*chosen_)];
    oscyloskop_->setValueCh1(live::channelValue(s, setup.ch1.source));
    oscyloskop_->setValueCh2(live::channelValue(s, setup.ch2.source));
}

}  // namespace brivel
