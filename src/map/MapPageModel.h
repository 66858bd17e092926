#pragma once

#include "map/InjectionMap.h"
#include "map/MapChartModel.h"
#include "map/MapCorrection.h"

#include <QtCore/QByteArray>
#include <QtCore/Qt>

namespace brivel {
class CommandSender;
}

namespace brivel::map {

// Everything the "Mapa" page shows and does, without the widgets: the
// injection map, the range correction and the chart's series, kept in step
// with each other. The page forwards its events here and replaces the
// chart series named in each returned set.
class MapPageModel {
public:
    // The payloads of the curve buttons: which learned curve the controller
    // is to report.
    static constexpr quint8 GasButtonSelector = 0x02;
    static constexpr quint8 PetrolButtonSelector = 0x01;

    // `sender` must outlive the model.
    explicit MapPageModel(CommandSender& sender);

    const InjectionMap& map() const { return map_; }
    const MapChartModel& chart() const { return chart_; }
    const MapCorrection& correction() const { return correction_; }

    // A settings image has been decoded: its map replaces the program's.
    // A block too short to hold the map leaves map and chart as they were.
    SeriesSet loadParameterBlock(const QByteArray& block);

    SeriesSet PaintBox1MouseDown(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x);
    void PaintBox1MouseUp() { correction_.PaintBox1MouseUp(); }
    SeriesSet Button3Click();
    SeriesSet AbSpinButton1UpClick() { return stepped(correction_.AbSpinButton1UpClick()); }
    SeriesSet AbSpinButton1DownClick() { return stepped(correction_.AbSpinButton1DownClick()); }

    // The end of every decoded live frame.
    SeriesSet UpdateMapChart(quint8 mapSelector, double petrolMs, double manifoldKpa,
                             quint8 lastSampleIndex,
                             const MapChartModel::SampleTable& petrolSamples,
                             const MapChartModel::SampleTable& gasSamples)
    {
        return chart_.UpdateMapChart(mapSelector, petrolMs, manifoldKpa, lastSampleIndex,
                                     petrolSamples, gasSamples);
    }

    // "Gaz" and "Petrol": ask the controller for the gas or the petrol curve.
    void BitBtn1Click();
    void BitBtn2Click();

private:
    SeriesSet redraw();
    SeriesSet stepped(MapCorrection::Step result);

    CommandSender& sender_;
    InjectionMap map_;
    MapChartModel chart_;
    MapCorrection correction_;
};

}  // namespace brivel::map
