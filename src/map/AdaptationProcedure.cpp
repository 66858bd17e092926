#include "map/AdaptationProcedure.h"

#include "map/InjectionMap.h"

#include "i18n/MessageTable.h"
#include "link/CommandSender.h"
#include "link/Commands.h"
#include "link/Rounding.h"
#include "live/LiveModel.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "settings/CylinderButtonsModel.h"
#include "settings/ParameterBlock.h"
#include "settings/SettingsModel.h"

#include <algorithm>

namespace brivel::map {

namespace {

using Stats = RecordStatistics;

const QString LineEnd = QStringLiteral("\r\n");

// Step 3 runs the gas test on cylinder 1 alone, step 4 on every other
// cylinder of the mask.
constexpr quint8 FirstCylinderOnly = 0x01;
constexpr quint8 AlternateCylinders = 0x55;
// The third byte of the first statistics report, before any multiplier
// has been recorded.
constexpr quint8 NoMultiplierYet = 0x80;

// The delay from each step to the next tick.
constexpr int ShortDelayMs = 8000;
constexpr int LongDelayMs = 30000;
constexpr int StepDelayMs = 20000;
constexpr int FinalPetrolDelayMs = 15000;

QByteArray fuelCommand(quint8 fuel, quint8 mask)
{
    return command::make(command::Fuel, {fuel, mask});
}

}  // namespace

AdaptationProcedure::AdaptationProcedure(const Models& models, CommandSender& sender,
                                         Dialogs& dialogs, Clock& clock, QObject* parent)
    : QObject(parent),
      live_(models.live),
      settings_(models.settings),
      cylinders_(models.cylinders),
      map_(models.map),
      messages_(models.messages),
      sender_(sender),
      dialogs_(dialogs),
      timer_(clock.createTimer())
{
    timer_->setSingleShot(false);
    timer_->setInterval(InitialIntervalMs);
    timer_->setCallback([this] { tick(); });
}

AdaptationProcedure::~AdaptationProcedure()
{
    timer_->stop();
}

bool AdaptationProcedure::timerActive() const
{
    return timer_->isActive();
}

int AdaptationProcedure::timerInterval() const
{
    return timer_->interval();
}

void AdaptationProcedure::setProgress(int position)
{
    if (position == progress_)
        return;
    progress_ = position;
    emit progressChanged(progressEnabled_, progress_);
}

void AdaptationProcedure::setProgressEnabled(bool enabled)
{
    if (enabled == progressEnabled_)
        return;
    progressEnabled_ = enabled;
    emit progressChanged(progressEnabled_, progress_);
}

void AdaptationProcedure::setInfo(const QString& text)
{
    info_ = text;
    emit infoChanged(info_);
}

void AdaptationProcedure::queue(const QByteArray& command, const QByteArray& firstFollowUp,
                                const QByteArray& secondFollowUp)
{
    sender_.queueCommand(CommandSender::RetriesForEditors, command, firstFollowUp, secondFollowUp);
}

void AdaptationProcedure::fuel(quint8 fuel, quint8 mask)
{
    queue(fuelCommand(fuel, mask));
}

QString AdaptationProcedure::message(msg::Row row) const
{
    return messages_.text(row);
}

int AdaptationProcedure::average(int row) const
{
    return record_.row(row)[Stats::AverageByte];
}

void AdaptationProcedure::pageShown()
{
    setInfo(QStringLiteral(" "));
}

void AdaptationProcedure::start()
{
    if (replaying_) {
        dialogs_.showMessage(message(msg::Row::ReplayRefused));
        return;
    }
    const LiveSnapshot& live = live_.snapshot();
    // A current fault: the fitter sees the banner and deals with it first.
    if (live.bannerVisible || running())
        return;
    if (live.rpm < LowestRpm) {
        dialogs_.showMessage(message(msg::Row::StartEngine));
        return;
    }
    if (live.reducerTemp < LowestReducerTemperature) {
        dialogs_.showMessage(message(msg::Row::ReducerTooCold));
        return;
    }
    result_.reset();
    progressEnabled_ = true;
    progress_ = 0;
    emit progressChanged(progressEnabled_, progress_);
    emit lockedChanged(true);
    step_ = 0;
    // The first tick comes after whatever interval the last run left.
    timer_->setEnabled(true);
    record_.clear();
    recording_ = connect(&live_, &LiveModel::changed, this, &AdaptationProcedure::follow);
    setInfo(message(msg::Row::AdaptationInProgress));
    // No image read yet: no cylinder is known to run on gas.
    const settings::ParameterBlock block(settings_.parameterBlock());
    mask_ = block.byte(settings::Field::ActiveGasCylinders).value_or(0);
}

void AdaptationProcedure::follow(const LiveSnapshot& snapshot, LiveChanges changes)
{
    // Every decoded frame, the disconnect's filler frame too, until the run
    // ends.
    if (changes & FrameDecoded)
        record_.record(snapshot.frame);
}

void AdaptationProcedure::cancel(bool tellController)
{
    if (tellController)
        queue(command::make(command::AdaptationStop, {0x00}));
    disconnect(recording_);
    emit lockedChanged(false);
    timer_->stop();
    setProgress(0);
    setProgressEnabled(false);
    // From step 10 on the result lines may already stand; they stay.
    if (step_ < FirstKeptTextStep)
        setInfo(message(msg::Row::AdaptationCancelled));
    step_ = Idle;
}

void AdaptationProcedure::computeStatistics()
{
    for (int r = 0; r < Stats::Rows; ++r)
        Stats::computeRow(record_.row(r));
}

bool AdaptationProcedure::check(int value, int lowest, int highest, msg::Row question)
{
    // The question is modal but ticks go on being dispatched meanwhile.
    timer_->stop();
    if (value < lowest || value > highest) {
        if (!dialogs_.confirm(message(question))) {
            cancel(true);
            return false;
        }
        if (!running())
            return false;
    }
    timer_->start();
    return true;
}

void AdaptationProcedure::beginStep(int k, int intervalMs)
{
    setProgress(roundToInt(static_cast<double>(ProgressMaximum) * k / Steps));
    timer_->setInterval(intervalMs);
}

void AdaptationProcedure::reportStatistics(quint8 third, const QByteArray& followUp)
{
    const int avg2 = average(Stats::PetrolTime);
    const int min2 = record_.row(Stats::PetrolTime)[Stats::MinimumByte];
    // With every sample at 255 the minimum is never taken and the spread
    // would come to 256: it is held at the byte's top instead of wrapping.
    const int spread = std::clamp(avg2 + 1 - min2, 0, 255);
    queue(command::make(command::AdaptationStep,
                        {static_cast<quint8>(avg2), static_cast<quint8>(spread), third}),
          followUp);
}

void AdaptationProcedure::tick()
{
    const quint8 buttons = cylinders_.cylinderButtonMask();
    switch (step_) {
        case 0:
            beginStep(1, ShortDelayMs);
            queue(command::make(command::AdaptationStart),
                  fuelCommand(command::FuelPetrol, buttons));
            step_ = 1;
            break;
        case 1:
            computeStatistics();
            if (!check(average(Stats::Manifold), LowestManifoldKpa, HighestManifoldKpa,
                       msg::Row::ManifoldPressureQuestion))
                return;
            beginStep(2, LongDelayMs);
            fuel(command::FuelPetrol, buttons);
            step_ = 2;
            break;
        case 2:
            beginStep(3, StepDelayMs);
            fuel(command::FuelPetrol, buttons);
            step_ = 3;
            break;
        case 3:
            beginStep(4, StepDelayMs);
            computeStatistics();
            reportStatistics(NoMultiplierYet, fuelCommand(command::FuelGas, FirstCylinderOnly));
            step_ = 4;
            break;
        case 4:
            beginStep(5, StepDelayMs);
            fuel(command::FuelGas, mask_ & AlternateCylinders);
            step_ = 5;
            break;
        case 5:
            computeStatistics();
            if (!check(average(Stats::GasPressure), LowestGasPressure, HighestGasPressure,
                       msg::Row::GasPressureQuestion))
                return;
            beginStep(6, StepDelayMs);
            fuel(command::FuelGas, mask_);
            step_ = 6;
            break;
        case 6:
            beginStep(7, StepDelayMs);
            fuel(command::FuelPetrol, mask_);
            step_ = 7;
            break;
        case 7:
            beginStep(8, StepDelayMs);
            fuel(command::FuelPetrol, mask_);
            step_ = 8;
            break;
        case 8:
            beginStep(9, StepDelayMs);
            computeStatistics();
            reportStatistics(static_cast<quint8>(average(Stats::Multiplier)), QByteArray());
            step_ = GasStep;
            break;
        case GasStep:
            beginStep(9, StepDelayMs);
            fuel(command::FuelGas, mask_);
            step_ = 9;
            break;
        case 9:
            beginStep(10, FinalPetrolDelayMs);
            fuel(command::FuelPetrol, mask_);
            step_ = 10;
            break;
        case 10:
            beginStep(11, FinalPetrolDelayMs);
            fuel(command::FuelPetrol, mask_);
            step_ = 11;
            break;
        case 11:
            beginStep(12, StepDelayMs);
            computeStatistics();
            reportStatistics(static_cast<quint8>(average(Stats::Multiplier)),
                             fuelCommand(command::FuelGas, mask_));
            step_ = 12;
            break;
        case 12:
            result();
            break;
        case 13:
            endTransfer();
            break;
        case 14:
            finish();
            break;
        default:
            // Idle: a tick left over does nothing.
            break;
    }
}

void AdaptationProcedure::result()
{
    setProgress(roundToInt(static_cast<double>(ProgressMaximum) * 13 / Steps));
    computeStatistics();
    AdaptationResult::Input in{average(Stats::GasPressure),
                               average(Stats::PetrolTime),
                               average(Stats::Multiplier),
                               average(Stats::GasTemp),
                               {},
                               message(msg::Row::AdaptationMultiplier),
                               locale_};
    for (std::size_t i = 0; i < AdaptationResult::FlatProbeEntries.size(); ++i)
        in.probeValues[i] = map_.value(AdaptationResult::FlatProbeEntries[i]);
    result_ = AdaptationResult::compute(in);
    const AdaptationResult& r = *result_;
    if (r.raisedForFlatMap())
        record_.row(Stats::Multiplier)[Stats::AverageByte] =
            static_cast<quint8>(std::min(r.multiplier(), 255));
    info_ += r.infoLines();
    const bool writes = r.verdict() == AdaptationResult::Verdict::Write;
    emit resultReached(r.base(), r.multiplier(), writes, info_,
                       writes ? r.mapCommand().mid(1) : QByteArray());
    if (!writes) {
        // Nothing reaches the controller: it is told the run is off and
        // keeps its map; the fitter reads why under the result lines.
        cancel(true);
        setInfo(info_ + LineEnd + message(msg::Row::AdaptationCancelled) + LineEnd +
                r.refusalText(message(msg::Row::AdaptationBaseOutside),
                              message(msg::Row::AdaptationValueOutside), messages_.numberFormat()));
        return;
    }
    setInfo(info_);
    queue(r.baseCommand(), r.resultCommand(), r.mapCommand());
    timer_->setInterval(FinalPetrolDelayMs);
    step_ = 13;
}

void AdaptationProcedure::endTransfer()
{
    beginStep(14, ShortDelayMs);
    emit transferEnded();
    sender_.setSlowPolling(true);
    queue(command::make(command::AdaptationEnd, QByteArray(command::MapSize, '\0')),
          command::make(command::ReadSettings, {command::ReadPayload}));
    step_ = 14;
}

void AdaptationProcedure::finish()
{
    sender_.setSlowPolling(false);
    step_ = Idle;
    setProgress(0);
    timer_->setInterval(InitialIntervalMs);
    timer_->stop();
    cancel(false);
    setInfo(message(msg::Row::AdaptationCompleted));
}

}  // namespace brivel::map
