#pragma once

#include "live/LiveFrame.h"
#include "live/LiveIndicators.h"

#include <QtGui/QColor>

#include <functional>

namespace brivel {

class MessageTable;

// Shows each live frame on the window: read-outs, dial, bars, LEDs, fuel
// switch, fault list and banner, the oscilloscope's channels, and the map
// samples and adaptation record that the map and the adaptation read.
class LiveDecoder {
public:
    // The map chart's live update, with the frame's map selector.
    using MapChartUpdate = std::function<void(quint8 mapSelector)>;
    // True while an adaptation runs (its step is not -1).
    using AdaptationRunning = std::function<bool()>;

    static constexpr float LatchedLambdaTop = 5.0f;
    static constexpr int DialBandShown = 0;
    static constexpr int DialBandHidden = 300;
    inline static const QColor BannerRed{255, 0, 0};
    inline static const QColor BannerLightRed{255, 60, 60};

    // Both must outlive the decoder.
    LiveDecoder(const LiveIndicators& indicators, const MessageTable& messages);

    void setMapChartUpdate(MapChartUpdate update) { mapChartUpdate_ = std::move(update); }
    void setAdaptationRunning(AdaptationRunning running)
    {
        adaptationRunning_ = std::move(running);
    }

    void DecodeLiveFrame(const QByteArray& frame);

    live::MapSamples& mapSamples() { return mapSamples_; }
    live::AdaptationRecord& adaptationRecord() { return adaptationRecord_; }

private:
    void showReadings(const live::LiveReadings& r);
    void showLevel(int tankLevel);
    void pushOscilloscope();
    void showFaults(const live::LiveReadings& r);

    const LiveIndicators& ui_;
    const MessageTable& messages_;
    MapChartUpdate mapChartUpdate_;
    AdaptationRunning adaptationRunning_;
    live::MapSamples mapSamples_;
    live::AdaptationRecord adaptationRecord_;
};

}  // namespace brivel
