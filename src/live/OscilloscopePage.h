#pragma once

#include "live/OscilloscopeModes.h"

#include <QtCore/QObject>

#include <array>

class QGroupBox;
class QRadioButton;
class QWidget;

namespace brivel {

class TAbFlashTimer;
class TAbMiniTrend;
class TAbValueInd;

// The "Oscyloskop" page: the two-channel trend and the five buttons that
// choose which pair of live values it shows.
class OscilloscopePage : public QObject {
    Q_OBJECT
public:
    // The lambda read-outs lend their range tops to the lambda channels.
    OscilloscopePage(QWidget* page, TAbFlashTimer& flashTimer, TAbValueInd* lambda1,
                     TAbValueInd* lambda2);

    TAbMiniTrend* trend() const { return oscyloskop_; }
    QRadioButton* modeButton(live::OscilloscopeMode mode) const
    {
        return buttons_[static_cast<size_t>(mode)];
    }
    const std::array<QRadioButton*, 5>& modeButtons() const { return buttons_; }

    void OSC_PETROL_LPGClick() { choose(live::OscilloscopeMode::PetrolGas); }
    void OSC_MAP_P1Click() { choose(live::OscilloscopeMode::MapP1); }
    void TEMP_LPG_REDClick() { choose(live::OscilloscopeMode::Temperatures); }
    void RPM_LAMBDA1Click() { choose(live::OscilloscopeMode::RpmLambda1); }
    void RPM_LAMBDA2Click() { choose(live::OscilloscopeMode::RpmLambda2); }

    // Every connect unchecks the lambda modes, so choosing one again copies
    // the probe's range top afresh.
    void clearLambdaModes();

private:
    void choose(live::OscilloscopeMode mode);

    TAbMiniTrend* oscyloskop_ = nullptr;
    QGroupBox* radioGroup1_ = nullptr;
    std::array<QRadioButton*, 5> buttons_{};
    TAbValueInd* lambda1_;
    TAbValueInd* lambda2_;
};

}  // namespace brivel
