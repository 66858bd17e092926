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
    if (!map_.load(block))
        return 0;
    return redraw();
}

SeriesSet MapPageModel::PaintBox1MouseDown(Qt::MouseButtons buttons,
                                           Qt::KeyboardModifiers modifiers, int x)
{
    if (correction_.PaintBox1MouseDown(buttons, modifiers, x) == MapCorrection::Press::Ignored)
        return 0;
    return chart_.setRangeMarkers(correction_.startMarkerMs(), correction_.endMarkerMs()) |
           redraw();
}

SeriesSet MapPageModel::Button3Click()
{
    correction_.Button3Click();
    return chart_.setRangeMarkers(correction_.startMarkerMs(), correction_.endMarkerMs()) |
           redraw();
}

SeriesSet MapPageModel::stepped(MapCorrection::Step result)
{
    return result == MapCorrection::Step::Applied ? redraw() : 0;
}

void MapPageModel::BitBtn1Click()
{
    sender_.queueCommand(CommandSender::RetriesForEditors,
                         command::make(command::MapCurve, {GasButtonSelector}));
}

void MapPageModel::BitBtn2Click()
{
    sender_.queueCommand(CommandSender::RetriesForEditors,
                         command::make(command::MapCurve, {PetrolButtonSelector}));
}

}  // namespace brivel::map
