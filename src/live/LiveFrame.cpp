#include "live/LiveFrame.h"

#include <cmath>

namespace brivel::live {

namespace {

quint8 at(const QByteArray& frame, int offset)
{
    return static_cast<quint8>(frame.at(offset));
}

float single(long double value)
{
    return static_cast<float>(value);
}

}  // namespace

FrameUse classify(const QByteArray& frame)
{
    if (frame.size() <= IgnoredUpTo)
        return FrameUse::Ignore;
    if (frame.size() < MinimumFrameLength)
        return FrameUse::Truncated;
    return FrameUse::Decode;
}

float lambdaVolts(quint8 raw)
{
    return single(raw * 0.0196L);
}

float petrolTimeMs(quint8 low, quint8 high)
{
    return single(low * 0.1L + high * 25.6L);
}

float gasTimeMs(quint8 b18, quint8 b19, quint8 b20)
{
    return single(b18 * 65.536L + b19 * 0.256L + b20 * 0.00128L);
}

float gasPressureBar(quint8 high, quint8 low)
{
    return single(high * 2.56L + low * 0.01L);
}

float manifoldPressureKpa(quint8 high, quint8 low)
{
    return single((high * 2.56L + low * 0.01L) * 100);
}

float batteryVolts(quint8 raw)
{
    const long double volts = raw * 23.0L / 375.0L + 0.7L;
    return single(std::round(volts * 100) / 100);
}

float signedTemperature(quint8 raw)
{
    return static_cast<float>(static_cast<qint8>(raw));
}

QString tankVoltageText(quint8 raw, const QLocale& locale)
{
    return locale.toString(static_cast<double>(raw * 0.0196L), 'f', 2);
}

LiveReadings readLiveFrame(const QByteArray& f)
{
    LiveReadings r;
    r.active = (at(f, 4) & 0x01) != 0;
    r.gasSelected = (at(f, 5) & 0x01) != 0;
    r.lambda1 = lambdaVolts(at(f, 22));
    r.lambda2 = lambdaVolts(at(f, 55));
    r.rpmThousands = single(at(f, 21) / 10.0L);
    r.rpm = static_cast<float>(at(f, 21) * 100);
    r.battery = batteryVolts(at(f, 29));
    r.reducerTemp = signedTemperature(at(f, 32));
    r.gasTemp = signedTemperature(at(f, 33));
    r.manifoldPressure = manifoldPressureKpa(at(f, 25), at(f, 26));
    r.gasPressure = gasPressureBar(at(f, 23), at(f, 24));
    r.gasTime = gasTimeMs(at(f, 18), at(f, 19), at(f, 20));
    static constexpr int petrolOffsets[8] = {6, 8, 10, 12, 14, 16, 51, 53};
    for (int k = 0; k < 8; ++k)
        r.petrolTimes[k] = petrolTimeMs(at(f, petrolOffsets[k]), at(f, petrolOffsets[k] + 1));
    r.tankLevel = at(f, 31);
    r.tankVoltageByte = at(f, 30);
    r.faultFlags1 = at(f, 34);
    r.injectorFaults = at(f, 35);
    r.faultFlags2 = at(f, 48);
    r.sampleIndex = at(f, 36);
    r.mapSelector = at(f, 47);
    return r;
}

QString currentFaultText(quint8 faultFlags1, quint8 injectorFaults, quint8 faultFlags2,
                         const std::function<QString(msg::Row row)>& message)
{
    using msg::Row;
    // The rows of the flags, bit 2 of the first byte first.
    static constexpr Row flags1Rows[] = {Row::VoltageFault,
                                         Row::GasPressureHigh,
                                         Row::GasPressureLow,
                                         Row::IgnitionVoltageLow,
                                         Row::PetrolInjectionSignalFault,
                                         Row::PetrolSystemFault};
    static constexpr Row flags2Rows[] = {Row::SettingsFault, Row::SupplyVoltageFault};
    static const QString lineEnd = QStringLiteral("\r\n");
    QString text;
    int n = 1;
    auto addLine = [&](Row row) { text += QString::number(n++) + message(row) + lineEnd; };
    // Flag bits read 0 while their fault is present.
    for (int bit = 2; bit <= 7; ++bit)
        if ((faultFlags1 & (1 << bit)) == 0)
            addLine(flags1Rows[bit - 2]);
    if (injectorFaults != 0xFF) {
        text += QString::number(n++) + message(Row::InjectorFault);
        for (int k = 1; k <= 8; ++k)
            if ((injectorFaults & (1 << (k - 1))) == 0)
                text += QLatin1Char(' ') + QString::number(k);
        text += lineEnd;
    }
    for (int bit = 0; bit <= 1; ++bit)
        if ((faultFlags2 & (1 << bit)) == 0)
            addLine(flags2Rows[bit]);
    return text;
}

void MapSamples::store(const QByteArray& frame)
{
    const int i = at(frame, 36);
    auto put = [](std::array<quint8, 256>& table, int index, quint8 value) {
        if (index < static_cast<int>(table.size()))
            table[index] = value;
    };
    // Bytes 37, 39, 43 and 45 are overwritten at once and leave no trace.
    put(a_, i, at(frame, 38));
    put(a_, i + 1, at(frame, 40));
    put(a_, i + 2, at(frame, 41));
    put(b_, i + 2, at(frame, 42));
    put(b_, i + 3, at(frame, 44));
    put(b_, i + 4, at(frame, 46));
    last_ = static_cast<quint8>(i);
}

}  // namespace brivel::live
