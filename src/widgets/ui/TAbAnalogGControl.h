#pragma once

#include "widgets/SignalMath.h"
#include "widgets/ui/TAbGraphicControl.h"

#include <QtGui/QColor>

namespace brivel {

class TMinMax;
class TSectorSettings;
class TSignalSettings;

// Analog display: a value mapped through its signal settings onto a digit and
// a per-mille position of the scale, with three colour sectors, two limits,
// the overflow state, the min/max record and the formatted value text.
//
// Setting the value it already has does nothing; otherwise the derived state
// is worked out and only the part of the widget that shows the value is
// repainted.
class TAbAnalogGControl : public TAbGraphicControl {
    Q_OBJECT
    Q_PROPERTY(float value READ value WRITE setValue NOTIFY valueChanged)
    Q_PROPERTY(int digit READ digit)
    Q_PROPERTY(QString valueText READ valueText)
    Q_PROPERTY(float limitUpper READ limitUpper WRITE setLimitUpper NOTIFY limitChange)
    Q_PROPERTY(float limitLower READ limitLower WRITE setLimitLower NOTIFY limitChange)

public:
    ~TAbAnalogGControl() override;

    float value() const { return value_; }
    void setValue(float value);

    int digit() const { return digit_; }
    // The value's place on the scale in per-mille; below 0 or above 1000 when
    // the value lies outside the range.
    int position() const { return position_; }
    // The position as drawn, clamped to 0..1000.
    int drawnPosition() const { return signalmath::drawnPermille(position_); }
    signalmath::Overflow overflow() const { return signalmath::overflowOf(position_); }

    bool inSector(int sector) const;
    // The colour of the last sector (in the order 1, 2, 3) that holds the
    // value; kept while the value lies in none.
    QColor sectorColor() const { return sectorColor_; }

    float limitUpper() const { return limitUpper_; }
    void setLimitUpper(float limit);
    float limitLower() const { return limitLower_; }
    void setLimitLower(float limit);
    bool upperLimitExceeded() const { return upperExceeded_; }
    bool lowerLimitExceeded() const { return lowerExceeded_; }

    // The value written with SignalSettings.ValueFormat.
    QString valueText() const { return valueText_; }

    TSignalSettings* signalSettings() const { return signal_; }
    TSectorSettings* sectorSettings() const { return sectors_; }
    TMinMax* minMax() const { return minMax_; }

signals:
    // After every change of the value.
    void valueChanged(float value);
    void sectorChange(int sector, bool entered);
    void limitChange();
    void overflowChange();
    void minMaxChange();
    void settingsChange();

protected:
    TAbAnalogGControl(TAbFlashTimer& flashTimer, QWidget* parent);

    // The value (and with it position and text) changed; the default repaints
    // everything, widgets repaint just the part that shows the value.
    virtual void valueUpdated(int oldDrawnPosition, const QString& oldText);
    // Settings changed: the default lays out again and repaints everything.
    virtual void settingsUpdated();

private:
    void recompute(bool recordMinMax);
    void onSettingsChanged();

    TSignalSettings* signal_;
    TSectorSettings* sectors_;
    TMinMax* minMax_;
    float value_ = 0.0f;
    int digit_ = 0;
    int position_ = 0;
    signalmath::SectorFlags inSector_{};
    QColor sectorColor_;
    float limitUpper_ = 90.0f;
    float limitLower_ = 10.0f;
    bool upperExceeded_ = false;
    bool lowerExceeded_ = false;
    QString valueText_;
};

}  // namespace brivel
