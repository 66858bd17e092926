#include "widgets/ui/TAbAnalogGControl.h"

#include "widgets/ui/TMinMax.h"
#include "widgets/ui/TSectorSettings.h"
#include "widgets/TSignalSettings.h"

namespace brivel {

TAbAnalogGControl::TAbAnalogGControl(TAbFlashTimer& flashTimer, QWidget* parent)
    : TAbGraphicControl(flashTimer, parent),
      signal_(new TSignalSettings(this)),
      sectors_(new TSectorSettings(this)),
      minMax_(new TMinMax(this))
{
    sectorColor_ = sectors_->color(0);
    recompute(false);
    connect(signal_, &TSignalSettings::changed, this, &TAbAnalogGControl::onSettingsChanged);
    connect(sectors_, &TSectorSettings::changed, this, &TAbAnalogGControl::onSettingsChanged);
    connect(minMax_, &TMinMax::changed, this, [this] { invalidateStatic(); });
}

TAbAnalogGControl::~TAbAnalogGControl() = default;

void TAbAnalogGControl::setValue(float value)
{
    if (value == value_)
        return;
    const int oldDrawn = drawnPosition();
    const QString oldText = valueText_;
    value_ = value;
    recompute(true);
    valueUpdated(oldDrawn, oldText);
    emit valueChanged(value_);
}

bool TAbAnalogGControl::inSector(int sector) const
{
    return sector >= 0 && sector < 3 && inSector_[std::size_t(sector)];
}

void TAbAnalogGControl::setLimitUpper(float limit)
{
    if (limitUpper_ == limit)
        return;
    limitUpper_ = limit;
    recompute(false);
}

void TAbAnalogGControl::setLimitLower(float limit)
{
    if (limitLower_ == limit)
        return;
    limitLower_ = limit;
    recompute(false);
}

void TAbAnalogGControl::recompute(bool recordMinMax)
{
    const signalmath::Range& range = signal_->range();
    digit_ = signalmath::valueToDigit(range, value_);
    const signalmath::Overflow oldOverflow = overflow();
    position_ = signalmath::digitToPermille(range, digit_);

    const signalmath::SectorFlags flags =
        signalmath::sectorsContaining(position_, sectors_->allBounds());
    const signalmath::SectorFlags old = inSector_;
    inSector_ = flags;
    const int last = signalmath::lastSectorContaining(position_, sectors_->allBounds());
    if (last >= 0)
        sectorColor_ = sectors_->color(last);
    for (int i = 0; i < 3; ++i) {
        if (flags[std::size_t(i)] != old[std::size_t(i)])
            emit sectorChange(i + 1, flags[std::size_t(i)]);
    }

    const bool upper = value_ > limitUpper_;
    const bool lower = value_ < limitLower_;
    if (upper != upperExceeded_ || lower != lowerExceeded_) {
        upperExceeded_ = upper;
        lowerExceeded_ = lower;
        emit limitChange();
    }

    if (overflow() != oldOverflow)
        emit overflowChange();

    if (recordMinMax && minMax_->record(value_, nowMs()))
        emit minMaxChange();

    valueText_ = signal_->format(value_);
}

void TAbAnalogGControl::onSettingsChanged()
{
    recompute(false);
    settingsUpdated();
    emit settingsChange();
}

void TAbAnalogGControl::valueUpdated(int oldDrawnPosition, const QString& oldText)
{
    Q_UNUSED(oldDrawnPosition);
    Q_UNUSED(oldText);
    update();
}

void TAbAnalogGControl::settingsUpdated()
{
    relayout();
}

}  // namespace brivel
