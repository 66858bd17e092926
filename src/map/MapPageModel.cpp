#include "map/MapPageModel.h"

#include "link/CommandSender.h"
#include "link/Commands.h"

namespace brivel::map {

MapPageModel::MapPageModel(CommandSender& sender) : sender_(sender), correction_(map_, sender)
{
    redraw();
}

SeriesSet MapPageModel::redraw()
{
    return chart_.RedrawInjectionMap(map_, correction_.rangeStartX(), correction_.rangeEndX());
}

SeriesSet MapPageModel::loadParameterBlock(const QByteArray& block)
{
    history_.clear();
    if (!map_.load(block))
        return 0;
    return redraw();
}

SeriesSet MapPageModel::followFrame(const LiveSnapshot& frame)
{
    const live::MapSamples& samples = frame.mapSamples;
    return chart_.UpdateMapChart(frame.mapSelector, frame.petrolTimes[0], frame.manifoldPressure,
                                 samples.lastSampleIndex(), samples.petrol(), samples.gas());
}

SeriesSet MapPageModel::press(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x)
{
    if (correction_.press(buttons, modifiers, x) == MapCorrection::Press::Ignored)
        return 0;
    return chart_.setRangeMarkers(correction_.startMarkerMs(), correction_.endMarkerMs()) |
           redraw();
}

SeriesSet MapPageModel::clearRange()
{
    correction_.clearRange();
    return chart_.setRangeMarkers(correction_.startMarkerMs(), correction_.endMarkerMs()) |
           redraw();
}

SeriesSet MapPageModel::stepped(MapCorrection::Step result)
{
    return result == MapCorrection::Step::Applied ? redraw() : 0;
}

SeriesSet MapPageModel::stepRange(int d)
{
    const MapHistory::Values before = MapHistory::valuesOf(map_);
    const MapCorrection::Step result = correction_.step(d);
    if (result == MapCorrection::Step::Applied)
        history_.stepped(before);
    return stepped(result);
}

SeriesSet MapPageModel::undo()
{
    const auto target = history_.undoTarget();
    if (!target)
        return 0;
    const MapHistory::Values current = MapHistory::valuesOf(map_);
    const MapCorrection::Step result = correction_.replaceMap(*target);
    if (result == MapCorrection::Step::Applied)
        history_.undone(current);
    return stepped(result);
}

SeriesSet MapPageModel::redo()
{
    const auto target = history_.redoTarget();
    if (!target)
        return 0;
    const MapHistory::Values current = MapHistory::valuesOf(map_);
    const MapCorrection::Step result = correction_.replaceMap(*target);
    if (result == MapCorrection::Step::Applied)
        history_.redone(current);
    return stepped(result);
}

void MapPageModel::requestCurve(Curve curve)
{
    const quint8 selector = curve == Curve::Gas ? GasButtonSelector : PetrolButtonSelector;
    sender_.queueCommand(CommandSender::RetriesForEditors,
                         command::make(command::MapCurve, {selector}));
}

}  // namespace brivel::map
