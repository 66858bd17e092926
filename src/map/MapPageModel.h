#pragma once

#include "map/InjectionMap.h"
#include "map/MapChartModel.h"
#include "map/MapCorrection.h"
#include "map/MapHistory.h"

#include "live/LiveSnapshot.h"

#include <QtCore/QByteArray>
#include <QtCore/Qt>

namespace brivel {
class CommandSender;
}

namespace brivel::map {

// Everything the "Mapa" page shows and does, without the widgets: the
// injection map, the range correction and the chart's series, kept in step
// with each other. The page forwards the fitter's intents here and replaces
// the chart series named in each returned set.
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

    // A settings image has been decoded: its map replaces the program's and
    // the undo history starts again. A block too short to hold the map
    // leaves map and chart as they were.
    SeriesSet loadParameterBlock(const QByteArray& block);

    // The fitter's marks on the chart (see MapCorrection::press): the
    // markers and the map's colours follow.
    SeriesSet press(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x);
    void release() { correction_.release(); }
    SeriesSet clearRange();
    // One step up (+1) or down (-1) of the selected range, or of the whole
    // map without one, written to the controller; the undo history keeps
    // the map before it.
    SeriesSet stepRange(int d);

    // Undo and redo of the steps (Ctrl+Z, Ctrl+Shift+Z and the page's two
    // buttons): the map before the last step, or the one undo replaced, is
    // written like a step, under the same rule that drops a step while a
    // command waits. A new settings image clears the history.
    SeriesSet undo();
    SeriesSet redo();
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }

    // The end of every decoded live frame (UpdateMapChart): the cross-hair
    // at cylinder 1's petrol time and the manifold pressure, and the learned
    // curves from the frame's map selector and the samples gathered so far.
    SeriesSet followFrame(const LiveSnapshot& frame);

    // The learned curves the controller can report.
    enum class Curve { Gas, Petrol };
    // Asks the controller for the gas or the petrol curve ("Gaz", "Petrol").
    void requestCurve(Curve curve);

private:
    SeriesSet redraw();
    SeriesSet stepped(MapCorrection::Step result);

    CommandSender& sender_;
    InjectionMap map_;
    MapChartModel chart_;
    MapCorrection correction_;
    MapHistory history_;
};

}  // namespace brivel::map
