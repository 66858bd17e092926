#include "live/LiveModel.h"

#include "i18n/MessageTable.h"
#include "link/Frames.h"

#include <QtCore/QLocale>

namespace brivel {

namespace {

constexpr LiveChanges Everything = FrameDecoded | FaultsChanged | ReserveChanged;

float latched(float top, float volts)
{
    return volts > live::LambdaLatchVolts ? LiveSnapshot::LambdaTopLatched : top;
}

}  // namespace

LiveModel::LiveModel(const MessageTable& messages, QObject* parent)
    : QObject(parent), messages_(messages)
{
}

void LiveModel::DecodeLiveFrame(const QByteArray& frame)
{
    if (decode(frame))
        notify(Everything);
}

bool LiveModel::decode(const QByteArray& frame)
{
    switch (live::classify(frame)) {
        case live::FrameUse::Ignore:
            return false;
        case live::FrameUse::Truncated:
            // A reply cut short would have to be read past its end; what it
            // holds is not a frame, so the indicators keep the last good one.
            return false;
        case live::FrameUse::Decode:
            break;
    }
    const live::LiveReadings r = live::readLiveFrame(frame);
    LiveSnapshot& s = snapshot_;
    // The latch sees the probes' real values, also from an inactive controller.
    s.lambda1Top = latched(s.lambda1Top, r.lambda1);
    s.lambda2Top = latched(s.lambda2Top, r.lambda2);
    s.active = r.active;
    s.lambda1 = r.active ? r.lambda1 : 0;
    s.lambda2 = r.active ? r.lambda2 : 0;
    s.rpmThousands = r.rpmThousands;
    s.rpm = r.rpm;
    s.battery = r.battery;
    s.reducerTemp = r.reducerTemp;
    s.gasTemp = r.gasTemp;
    s.manifoldPressure = r.manifoldPressure;
    s.gasPressure = r.gasPressure;
    s.gasSelected = r.gasSelected;
    s.gasTime = r.gasTime;
    s.petrolTimes = r.petrolTimes;

    s.reserveLit = r.tankLevel == 0;
    for (int quarter = 1; quarter <= 4; ++quarter) {
        // A full tank is exactly 4; anything above lights the first three only.
        s.levelLit[quarter - 1] = quarter == 4 ? r.tankLevel == 4 : r.tankLevel >= quarter;
    }
    s.tankVoltageText = live::tankVoltageText(r.tankVoltageByte, QLocale());

    s.faultText = live::currentFaultText(r.faultFlags1, r.injectorFaults, r.faultFlags2,
                                         [this](msg::Row row) { return messages_.text(row); });
    s.bannerVisible = !s.faultText.isEmpty();
    // The banner blinks on every frame, shown or not.
    s.bannerLightRed = !s.bannerLightRed;

    s.sampleIndex = r.sampleIndex;
    s.mapSelector = r.mapSelector;
    s.mapSamples.store(frame);
    s.frame = frame;
    return true;
}

void LiveModel::blank()
{
    // The filler frame lists every fault; the user keeps seeing what was
    // listed before the disconnect.
    const QString shown = snapshot_.faultText;
    decode(FillerFrame());
    snapshot_.faultText = shown;
    snapshot_.bannerVisible = false;
    snapshot_.reserveLit = false;
    snapshot_.reserveFlashing = false;
    notify(Everything);
}

void LiveModel::setReserveFlashing(bool flashing)
{
    snapshot_.reserveFlashing = flashing;
    if (!flashing)
        snapshot_.reserveLit = false;
    notify(ReserveChanged);
}

void LiveModel::clearFaultText()
{
    snapshot_.faultText.clear();
    notify(FaultsChanged);
}

void LiveModel::hideBanner()
{
    snapshot_.bannerVisible = false;
    notify(FaultsChanged);
}

void LiveModel::linkConnected()
{
    setReserveFlashing(true);
}

void LiveModel::liveReplyReceived(const QByteArray& reply)
{
    DecodeLiveFrame(reply);
}

void LiveModel::linkDisconnected()
{
    blank();
}

void LiveModel::notify(LiveChanges changes)
{
    emit changed(snapshot_, changes);
}

}  // namespace brivel
