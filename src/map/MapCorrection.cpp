#include "map/MapCorrection.h"

#include "map/InjectionMap.h"
#include "map/MapPlot.h"

#include "link/CommandSender.h"
#include "link/Commands.h"
#include "link/Rounding.h"

#include <algorithm>

namespace brivel::map {

namespace {

constexpr double PetrolSpanMs = 24.6;
constexpr double FirstPetrolMs = 1.0;
constexpr int EntryOffset = 2;

}  // namespace

double MapCorrection::petrolMsAt(int x)
{
    return x * PetrolSpanMs / MapPlot::Width + FirstPetrolMs;
}

int MapCorrection::entryAt(int x)
{
    const int e =
        roundToInt(static_cast<double>(x) * InjectionMap::Entries / MapPlot::Width) + EntryOffset;
    return std::clamp(e, 1, InjectionMap::Entries);
}

QByteArray MapCorrection::auxPayload()
{
    QByteArray payload(20, '\0');
    payload[10] = static_cast<char>(0x0A);
    payload[11] = static_cast<char>(0xFF);
    return payload;
}

MapCorrection::MapCorrection(InjectionMap& map, CommandSender& sender) : map_(map), sender_(sender)
{
}

MapCorrection::Press MapCorrection::press(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                                          int x)
{
    // The right button alone clears; with a key held or another button
    // down it is a selection click like any other.
    if (buttons == Qt::RightButton && modifiers == Qt::NoModifier) {
        clearRange();
        return Press::Cleared;
    }
    panelHeight_ = PanelHeightWithClear;
    const double t = petrolMsAt(x);
    const bool allowed = x >= MinimumColumn;
    if ((x < startX_ && allowed) || startX_ == 0 || (x < endX_ && allowed)) {
        startX_ = x;
        startMarker_ = t;
        return Press::StartSet;
    }
    if (allowed && x > startX_) {
        endX_ = x;
        endMarker_ = t;
        return Press::EndSet;
    }
    return Press::Ignored;
}

void MapCorrection::release()
{
    spinEnabled_ = (startX_ == 0) == (endX_ == 0);
}

void MapCorrection::clearRange()
{
    startX_ = 0;
    endX_ = 0;
    startMarker_.reset();
    endMarker_.reset();
    panelHeight_ = PanelHeightSpinOnly;
    // The spin button's enabled state waits for the next release.
}

MapCorrection::Step MapCorrection::step(int d)
{
    if (sender_.commandPending())
        return Step::Dropped;
    if (startX_ == 0 && endX_ == 0) {
        if (!stepWholeMap(d))
            return Step::Refused;
    } else if (hasRange()) {
        if (!stepRange(d))
            return Step::Refused;
    } else {
        return Step::Ignored;
    }
    send();
    return Step::Applied;
}

MapCorrection::Step MapCorrection::replaceMap(const std::array<qint32, 246>& values)
{
    static_assert(InjectionMap::Entries == 246);
    if (sender_.commandPending())
        return Step::Dropped;
    for (qint32 v : values)
        if (!InjectionMap::fitsInByte(v))
            return Step::Refused;
    for (int k = 1; k <= InjectionMap::Entries; ++k)
        map_.setValue(k, values[k - 1]);
    send();
    return Step::Applied;
}

void MapCorrection::send()
{
    sender_.queueCommand(CommandSender::RetriesForMapSteps,
                         command::make(command::WriteMap, map_.bytes()),
                         command::make(command::MapAux, auxPayload()));
}

bool MapCorrection::stepWholeMap(int d)
{
    // The whole map moves or nothing does, so that its shape is kept.
    for (const InjectionMap::Entry& e : map_.entries())
        if (!InjectionMap::fitsInByte(e.value + d))
            return false;
    for (int k = 1; k <= InjectionMap::Entries; ++k)
        map_.setValue(k, map_.value(k) + d);
    return true;
}

bool MapCorrection::stepRange(int d)
{
    const int l = entryAt(startX_);
    const int r = entryAt(endX_);
    const int m = roundToInt((l + r) / 2.0);
    const qint32 peak = map_.value(m) + d;
    // The flanks lie between the peak and the unchanged ends, so a peak
    // within one byte keeps every entry within one byte.
    if (!InjectionMap::fitsInByte(peak))
        return false;
    map_.setValue(m, peak);
    const qint32 el = map_.value(l);
    const qint32 er = map_.value(r);
    for (int k = l + 1; k <= m - 1; ++k)
        map_.setValue(k, roundToInt(static_cast<double>(peak - el) / (m - l) * (k - l)) + el);
    // The right flank is scaled by the left span, m - l, not by r - m: maps
    // already stepped this way in cars stay reproducible. The spans differ
    // by one at most.
    for (int k = m + 1; k <= r - 1; ++k)
        map_.setValue(k, er + roundToInt(static_cast<double>(peak - er) / (m - l) * (r - k)));
    return true;
}

}  // namespace brivel::map
