#pragma once

#include <QtCore/QRect>

#include <optional>

namespace brivel {

class SettingsStore;

// Where the window stood and how large it was when it last closed, kept in
// the settings store ("Window/…") for the next start.
struct WindowPlacement {
    QRect geometry;  // the window's normal (not maximised) frame
    bool maximised = false;

    // What was stored; nothing when no whole placement was, or the store
    // cannot be read.
    static std::optional<WindowPlacement> load(const SettingsStore& store);
    // Raises PlatformError when the store cannot be written. Written at the
    // close, it is made durable with the port settings the disconnect
    // stores, or when the store itself closes.
    void store(SettingsStore& store) const;

    // The placement made to fit `available` (the screen's room): never
    // smaller than `minimum`, no larger than the room, and moved onto it
    // when it stood off it, say on a screen since unplugged.
    WindowPlacement fitted(const QRect& available, const QSize& minimum) const;
};

}  // namespace brivel
