#pragma once

#include "live/LiveSnapshot.h"
#include "live/OscilloscopeModes.h"

#include <QtCore/QObject>

#include <array>
#include <optional>

class QGroupBox;
class QRadioButton;
class QWidget;

namespace brivel {

class LiveModel;
class TAbFlashTimer;
class TAbMiniTrend;

// The "Oscyloskop" page: the two-channel trend and the five buttons that
// choose which pair of live values it shows. Each decoded frame pushes the
// chosen pair; with no mode chosen nothing is pushed.
class OscilloscopePage : public QObject {
    Q_OBJECT
public:
    // The lambda modes take their range tops from the model.
    OscilloscopePage(QWidget* page, TAbFlashTimer& flashTimer, LiveModel& model);

    // The trend as the page has it (Oscyloskop), before a mode is chosen.
    static TAbMiniTrend* makeTrend(TAbFlashTimer& flashTimer, QWidget* parent);

    TAbMiniTrend* trend() const { return oscyloskop_; }
    QRadioButton* modeButton(live::OscilloscopeMode mode) const
    {
        return buttons_[static_cast<size_t>(mode)];
    }

    void OSC_PETROL_LPGClick() { choose(live::OscilloscopeMode::PetrolGas); }
    void OSC_MAP_P1Click() { choose(live::OscilloscopeMode::MapP1); }
    void TEMP_LPG_REDClick() { choose(live::OscilloscopeMode::Temperatures); }
    void RPM_LAMBDA1Click() { choose(live::OscilloscopeMode::RpmLambda1); }
    void RPM_LAMBDA2Click() { choose(live::OscilloscopeMode::RpmLambda2); }

    // Every connect unchecks the lambda modes, so choosing one again copies
    // the probe's range top afresh.
    void clearLambdaModes();

    // Renders the parts of the live snapshot that changed.
    void showLive(const LiveSnapshot& snapshot, LiveChanges changes);
    void linkConnecting() { clearLambdaModes(); }

private:
    void choose(live::OscilloscopeMode mode);

    const LiveModel& model_;
    TAbMiniTrend* oscyloskop_ = nullptr;
    QGroupBox* radioGroup1_ = nullptr;
    std::array<QRadioButton*, 5> buttons_{};
    std::optional<live::OscilloscopeMode> chosen_;
};

}  // namespace brivel
