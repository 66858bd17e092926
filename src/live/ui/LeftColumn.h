#pragma once

#include "live/LiveSnapshot.h"

#include <QtCore/QObject>

#include <array>

class QWidget;

namespace brivel {

class LiveModel;
class TAb270Meter;
class TAbFlashTimer;
class TAbValueInd;

// The live read-outs down the left of the window: the RPM dial and read-out,
// the pressures, the injection times, the temperatures and the voltages.
class LeftColumn : public QObject {
    Q_OBJECT
public:
    // Builds the groups on `panel` and follows `model`.
    LeftColumn(QWidget* panel, TAbFlashTimer& flashTimer, LiveModel& model);

    // The RPM dial as the window has it (RPM_zegar).
    static TAb270Meter* makeRpmDial(TAbFlashTimer& flashTimer, QWidget* parent);

    // The start-up step that hides the dial's band and gives it its arrow.
    void prepareDial();

    // Renders the parts of the live snapshot that changed.
    void showLive(const LiveSnapshot& snapshot, LiveChanges changes);

    TAb270Meter* rpmDial() const { return rpmDial_; }
    TAbValueInd* rpmReadout() const { return rpmReadout_; }
    TAbValueInd* gasPressure() const { return gasPressure_; }
    TAbValueInd* manifoldPressure() const { return manifoldPressure_; }
    const std::array<TAbValueInd*, 8>& petrolTimes() const { return petrolTimes_; }
    TAbValueInd* gasTime() const { return gasTime_; }
    TAbValueInd* gasTemp() const { return gasTemp_; }
    TAbValueInd* reducerTemp() const { return reducerTemp_; }
    TAbValueInd* lambda1() const { return lambda1_; }
    TAbValueInd* lambda2() const { return lambda2_; }
    TAbValueInd* battery() const { return battery_; }

    static constexpr int DialBandShown = 0;
    static constexpr int DialBandHidden = 300;

private:
    TAbValueInd* addReadout(QWidget* group, int row, const QString& labelName,
                            const QString& caption, const QString& name, const QString& format,
                            const QString& unit);

    TAbFlashTimer& flashTimer_;
    TAb270Meter* rpmDial_ = nullptr;
    TAbValueInd* rpmReadout_ = nullptr;
    TAbValueInd* gasPressure_ = nullptr;
    TAbValueInd* manifoldPressure_ = nullptr;
    std::array<TAbValueInd*, 8> petrolTimes_{};
    TAbValueInd* gasTime_ = nullptr;
    TAbValueInd* gasTemp_ = nullptr;
    TAbValueInd* reducerTemp_ = nullptr;
    TAbValueInd* lambda1_ = nullptr;
    TAbValueInd* lambda2_ = nullptr;
    TAbValueInd* battery_ = nullptr;
};

}  // namespace brivel
