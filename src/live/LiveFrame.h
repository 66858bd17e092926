#pragma once

#include "i18n/MessageRows.h"

#include <QtCore/QByteArray>
#include <QtCore/QLocale>
#include <QtCore/QString>

#include <array>
#include <functional>

namespace brivel::live {

// The smallest reply that holds every field of a live frame: offsets up to 55
// and the check byte after them.
constexpr int MinimumFrameLength = 57;
// Fewer bytes than this are no frame at all and change nothing.
constexpr int IgnoredUpTo = 5;

// What a reply is to the decoder.
enum class FrameUse {
    Ignore,     // 5 bytes or fewer: the empty buffer after a connect or a settings reply
    Truncated,  // more than 5 but not all fields: never read past its end, skip it
    Decode,
};
FrameUse classify(const QByteArray& frame);

// The live readings of one frame, each scaled as the indicators show it.
struct LiveReadings {
    bool active = false;  // bit 0 of the status flags
    bool gasSelected = false;
    float lambda1 = 0;  // before the inactive controller's zeroing
    float lambda2 = 0;
    float rpmThousands = 0;
    float rpm = 0;
    float battery = 0;
    float reducerTemp = 0;
    float gasTemp = 0;
    float manifoldPressure = 0;          // kPa
    float gasPressure = 0;               // bar
    float gasTime = 0;                   // ms
    std::array<float, 8> petrolTimes{};  // ms, cylinders 1…8
    int tankLevel = 0;
    quint8 tankVoltageByte = 0;
    quint8 faultFlags1 = 0xFF;
    quint8 injectorFaults = 0xFF;
    quint8 faultFlags2 = 0xFF;
    quint8 sampleIndex = 0;
    quint8 mapSelector = 0;
};

// Reads a frame that classify() accepts for decoding.
LiveReadings readLiveFrame(const QByteArray& frame);

// The scalings, one per field; every formula is evaluated in extended
// precision and handed on in single precision, as the indicators hold it.
float lambdaVolts(quint8 raw);
float petrolTimeMs(quint8 low, quint8 high);
float gasTimeMs(quint8 b18, quint8 b19, quint8 b20);
float gasPressureBar(quint8 high, quint8 low);
float manifoldPressureKpa(quint8 high, quint8 low);
// Rounded to two decimals, so 12.9667 V is kept as 12.97.
float batteryVolts(quint8 raw);
float signedTemperature(quint8 raw);
// The tank sensor voltage with exactly two decimals in the given locale.
QString tankVoltageText(quint8 raw, const QLocale& locale);

// A lambda read-out's range top is raised to 5 V by the first value above this.
constexpr float LambdaLatchVolts = 1.21f;

// The current fault list, one numbered line per fault ending in CR LF, texts
// taken from `message` (the message table's rows in the language chosen last).
QString currentFaultText(quint8 faultFlags1, quint8 injectorFaults, quint8 faultFlags2,
                         const std::function<QString(msg::Row row)>& message);

// The live map samples, filled one frame at a time.
class MapSamples {
public:
    // Stores the frame's sample block at its sample index. Cells past the end
    // of a table are dropped: the chart reads only cells 0…255.
    void store(const QByteArray& frame);

    const std::array<quint8, 256>& petrol() const { return a_; }  // MapSamplesA
    const std::array<quint8, 256>& gas() const { return b_; }     // MapSamplesB
    quint8 lastSampleIndex() const { return last_; }

private:
    std::array<quint8, 256> a_{};
    std::array<quint8, 256> b_{};
    quint8 last_ = 0;
};

}  // namespace brivel::live
