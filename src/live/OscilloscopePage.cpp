#include "live/OscilloscopePage.h"

#include "widgets/TAbMiniTrend.h"
#include "widgets/TAbValueInd.h"
#include "widgets/TSignalSettings.h"

#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QRadioButton>

namespace brivel {

OscilloscopePage::OscilloscopePage(QWidget* page, TAbFlashTimer& flashTimer, TAbValueInd* lambda1,
                                   TAbValueInd* lambda2)
    : QObject(page), lambda1_(lambda1), lambda2_(lambda2)
{
    oscyloskop_ = new TAbMiniTrend(flashTimer, page);
    oscyloskop_->setObjectName(QStringLiteral("Oscyloskop"));
    oscyloskop_->setGeometry(0, 10, 585, 327);
    oscyloskop_->setOptions(TAbMiniTrend::opBevelOuter | TAbMiniTrend::opScaleCh1 |
                            TAbMiniTrend::opScaleCh2 | TAbMiniTrend::opSignDescCh1 |
                            TAbMiniTrend::opSignDescCh2 | TAbMiniTrend::opGrid);
    oscyloskop_->setTimeScale(1);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    font.setBold(true);
    oscyloskop_->setFont(font);
    for (TSignalSettings* s :
         {oscyloskop_->signalSettingsCh1(), oscyloskop_->signalSettingsCh2()}) {
        s->setValueRange(0, 50);
        s->setDigitalTo(50);
        s->setValueFormat(QStringLiteral("##0"));
        s->setName1(QStringLiteral(" "));
        s->setName2(QStringLiteral(" "));
        s->setValueUnit(QStringLiteral(" "));
    }
    oscyloskop_->setDigitCh1(0);
    oscyloskop_->setDigitCh2(0);

    radioGroup1_ = new QGroupBox(page);
    radioGroup1_->setObjectName(QStringLiteral("RadioGroup1"));
    radioGroup1_->setGeometry(0, 342, 585, 118);
    auto* exclusive = new QButtonGroup(this);
    const auto& modes = live::oscilloscopeModes();
    for (size_t i = 0; i < modes.size(); ++i) {
        auto* button = new QRadioButton(QString::fromUtf8(modes[i].caption), radioGroup1_);
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
}

void OscilloscopePage::choose(live::OscilloscopeMode mode)
{
    const live::ModeSetup& setup = live::oscilloscopeModes()[static_cast<size_t>(mode)];
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
        const TAbValueInd* lambda =
            mode == live::OscilloscopeMode::RpmLambda1 ? lambda1_ : lambda2_;
        top = lambda->signalSettings()->valueTo();
    }
    ch2->setValueTo(top);
}

void OscilloscopePage::clearLambdaModes()
{
    for (live::OscilloscopeMode mode :
         {live::OscilloscopeMode::RpmLambda1, live::OscilloscopeMode::RpmLambda2}) {
        QRadioButton* button = buttons_[static_cast<size_t>(mode)];
        if (!button->isChecked())
            continue;
        // An exclusive group refuses to uncheck its checked button.
        QButtonGroup* group = button->group();
        group->setExclusive(false);
        button->setChecked(false);
        group->setExclusive(true);
    }
}

}  // namespace brivel
