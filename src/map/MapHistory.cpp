#include "map/MapHistory.h"

namespace brivel::map {

MapHistory::Values MapHistory::valuesOf(const InjectionMap& map)
{
    Values values{};
    for (int k = 1; k <= InjectionMap::Entries; ++k)
        values[k - 1] = map.value(k);
    return values;
}

void MapHistory::push(std::deque<Values>& stack, const Values& values)
{
    stack.push_back(values);
    if (stack.size() > Depth)
        stack.pop_front();
}

void MapHistory::stepped(const Values& before)
{
    push(undo_, before);
    redo_.clear();
}

std::optional<MapHistory::Values> MapHistory::undoTarget() const
{
    if (undo_.empty())
        return std::nullopt;
    return undo_.back();
}

std::optional<MapHistory::Values> MapHistory::redoTarget() const
{
    if (redo_.empty())
        return std::nullopt;
    return redo_.back();
}

void MapHistory::undone(const Values& current)
{
    if (undo_.empty())
        return;
    undo_.pop_back();
    push(redo_, current);
}

void MapHistory::redone(const Values& current)
{
    if (redo_.empty())
        return;
    redo_.pop_back();
    push(undo_, current);
}

void MapHistory::clear()
{
    undo_.clear();
    redo_.clear();
}

}  // namespace brivel::map
