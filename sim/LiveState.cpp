#include "sim/LiveState.h"

#include "sim/ReplyFrame.h"
#include "sim/SettingsImage.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace brivel::sim {

namespace {

// Field scalings of the live frame.
constexpr double VoltsPerLambdaStep = 0.0196;
constexpr double VoltsPerTankStep = 0.0196;
constexpr double BatteryVoltsPerStep = 23.0 / 375.0;
constexpr double BatteryOffsetVolts = 0.7;
constexpr double VoltsPerThresholdStep = 1.0 / 51.0;
constexpr double SenderTopVolts = 5.0;
// The map's first entry belongs to 1.0 ms of petrol, and each entry after
// it to a tenth more.
constexpr int FirstMapEntryTenths = 10;

constexpr std::array<int, EngineModel::Cylinders> PetrolOffsets = {
    6, 8, 10, 12, 14, 16, LiveState::PetrolTime7, LiveState::PetrolTime7 + 2};

int rounded(double value, int lowest, int highest)
{
    return static_cast<int>(std::clamp<long>(std::lround(value), lowest, highest));
}

void put8(QByteArray& frame, int offset, int value)
{
    frame[offset] = static_cast<char>(value & 0xFF);
}

void put16LowFirst(QByteArray& frame, int offset, int value)
{
    frame[offset] = static_cast<char>(value & 0xFF);
    frame[offset + 1] = static_cast<char>((value >> 8) & 0xFF);
}

void put16HighFirst(QByteArray& frame, int offset, int value)
{
    frame[offset] = static_cast<char>((value >> 8) & 0xFF);
    frame[offset + 1] = static_cast<char>(value & 0xFF);
}

int petrolTenths(const EngineModel& engine, int cylinder)
{
    return rounded(engine.petrolMs(cylinder) * 10, 0, 0xFFFF);
}

std::array<double, LiveState::TankLevels> thresholds(const SettingsImage& settings)
{
    std::array<double, LiveState::TankLevels> volts{};
    for (int i = 0; i < LiveState::TankLevels; ++i)
        volts[i] = settings.at(SettingsImage::LevelThresholds + i) * VoltsPerThresholdStep;
    return volts;
}

// A sender whose voltage falls as the tank fills has its thresholds stored
// from the top down.
bool fallingSender(const std::array<double, LiveState::TankLevels>& t)
{
    return t.front() > t.back();
}

}  // namespace

LiveState::LiveState(const SettingsImage& settings, quint32 seed)
    : settings_(settings), engine_(seed), switchOver_(settings, engine_)
{
}

void LiveState::advance(int ms)
{
    pendingMs_ += ms;
    while (pendingMs_ >= EngineModel::StepMs) {
        pendingMs_ -= EngineModel::StepMs;
        engine_.setTurbo(settings_.at(SettingsImage::EngineFlags) & SettingsImage::Turbo);
        switchOver_.step();
        engine_.setFuelCorrectionTarget(fuelCorrectionTarget());
        engine_.step(switchOver_.onGas());
        if (engine_.running())
            samples_.record(engine_.manifoldKpa(), engine_.petrolMs(1), switchOver_.onGas());
    }
}

int LiveState::tankLevel() const
{
    const auto t = thresholds(settings_);
    const double volts = engine_.tankVolts();
    const bool falling = fallingSender(t);
    return static_cast<int>(std::count_if(t.begin(), t.end(), [&](double threshold) {
        return falling ? volts <= threshold : volts >= threshold;
    }));
}

void LiveState::setTankLevel(int level)
{
    level = std::clamp(level, 0, TankLevels);
    const auto t = thresholds(settings_);
    double low;
    double high;
    if (fallingSender(t)) {
        high = level == 0 ? SenderTopVolts : t[level - 1];
        low = level == TankLevels ? 0.0 : t[level];
    } else {
        low = level == 0 ? 0.0 : t[level - 1];
        high = level == TankLevels ? SenderTopVolts : t[level];
    }
    engine_.setTankVolts((low + high) / 2);
}

int LiveState::mapEntry(double petrolMs)
{
    const int tenths = static_cast<int>(std::lround(petrolMs * 10));
    return std::clamp(tenths - FirstMapEntryTenths + 1, 1, SettingsImage::MapEntries);
}

double LiveState::fuelCorrectionTarget() const
{
    const int cylinder = switchOver_.firstGasCylinder();
    if (!switchOver_.onGas() || cylinder == 0)
        return 1.0;
    const double base = engine_.basePetrolMs(cylinder);
    const int multiplier = settings_.at(SettingsImage::Map + mapEntry(base) - 1);
    // An entry of 0 gives no gas at all: the correction goes to its limit.
    if (multiplier == 0)
        return 1 + EngineModel::MostFuelCorrection;
    return EngineModel::neededMultiplier(base) * 100.0 / multiplier;
}

int LiveState::measuredMultiplier() const
{
    const double base = engine_.basePetrolMs(1);
    if (base <= 0)
        return 0;
    return rounded(EngineModel::neededMultiplier(base) * 100, 1, 255);
}

void LiveState::putPetrolTimes(QByteArray& frame) const
{
    const int cylinders = std::min(settings_.cylinders(), EngineModel::Cylinders);
    for (int c = 1; c <= cylinders; ++c)
        put16LowFirst(frame, PetrolOffsets[c - 1], petrolTenths(engine_, c));
}

void LiveState::putGasTime(QByteArray& frame) const
{
    const int cylinder = switchOver_.firstGasCylinder();
    if (!switchOver_.onGas() || cylinder == 0)
        return;
    // The gas time is worked out from the petrol time as reported, so the
    // map entry is the one that petrol time names.
    const int tenths = petrolTenths(engine_, cylinder);
    const int multiplier = settings_.at(SettingsImage::Map + mapEntry(tenths / 10.0) - 1);
    // Counts of 1.28 µs: tenths × hundredths / 1000 ms ÷ 0.00128 ms.
    const long counts = std::lround(tenths * multiplier * 100.0 / 128.0);
    const long steps = std::min(counts / 200, 0xFFFFL);
    put16HighFirst(frame, GasTime, static_cast<int>(steps));
    put8(frame, GasTime + 2, static_cast<int>(counts % 200));
}

QByteArray LiveState::nextFrame(quint8 echo)
{
    const unsigned n = frames_++;
    QByteArray frame(FrameSize, '\0');

    put8(frame, StatusFlags, engine_.running() ? 0x01 : 0x00);
    put8(frame, FuelFlags, switchOver_.onGas() ? 0x01 : 0x00);
    putPetrolTimes(frame);
    putGasTime(frame);
    put8(frame, Rpm, rounded(engine_.rpm() / 100, 0, 255));
    put8(frame, Lambda1, rounded(engine_.lambda1Volts() / VoltsPerLambdaStep, 0, 255));
    put8(frame, Lambda2, rounded(engine_.lambda2Volts() / VoltsPerLambdaStep, 0, 255));
    put16HighFirst(frame, GasPressure, rounded(engine_.gasPressureBar() * 100, 0, 0xFFFF));
    put16HighFirst(frame, ManifoldPressure, rounded(engine_.manifoldKpa(), 0, 0xFFFF));
    put8(frame, AdaptationByte, measuredMultiplier());
    put8(frame, Battery,
         rounded((engine_.batteryVolts() - BatteryOffsetVolts) / BatteryVoltsPerStep, 0, 255));
    put8(frame, TankVoltage, rounded(engine_.tankVolts() / VoltsPerTankStep, 0, 255));
    put8(frame, TankLevel, tankLevel());
    put8(frame, ReducerTemp, rounded(engine_.reducerTempC(), -128, 127));
    put8(frame, GasTemp, rounded(engine_.gasTempC(), -128, 127));
    put8(frame, FaultFlags1, faults_.faultFlags1());
    put8(frame, InjectorFaults, faults_.injectorFaults());
    put8(frame, FaultFlags2, faults_.faultFlags2());
    const int index = static_cast<int>(n & 0xFF);
    put8(frame, SampleIndex, index);
    frame.replace(MapSamples, MapSampleRecorder::BlockSize, samples_.block(index));
    put8(frame, MapSelector, mapSelector_);
    return sealReply(frame, echo);
}

}  // namespace brivel::sim
