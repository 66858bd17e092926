#pragma once

#include "map/InjectionMap.h"

#include <array>
#include <deque>
#include <optional>

namespace brivel::map {

// The undo and redo history of the fitter's map corrections. Each applied
// step leaves the map as it was before; undo hands that back to be written
// to the controller like a correction, and redo the map that undo replaced.
// A new settings image clears both, since the controller's map is then the
// one the history would have to start from.
class MapHistory {
public:
    using Values = std::array<qint32, InjectionMap::Entries>;
    // Older steps beyond this many are forgotten.
    static constexpr std::size_t Depth = 100;

    static Values valuesOf(const InjectionMap& map);

    // A correction was applied to a map that held `before`: a new step, and
    // whatever was undone before it can no longer be redone.
    void stepped(const Values& before);

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // The map an undo or a redo would write; nothing when there is none.
    std::optional<Values> undoTarget() const;
    std::optional<Values> redoTarget() const;
    // The undo or redo has been sent; `current` is the map it replaced.
    void undone(const Values& current);
    void redone(const Values& current);

    void clear();

private:
    static void push(std::deque<Values>& stack, const Values& values);

    std::deque<Values> undo_;
    std::deque<Values> redo_;
};

}  // namespace brivel::map
