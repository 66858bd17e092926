#include "app/WindowPlacement.h"

#include "platform/PlatformError.h"
#include "platform/SettingsStore.h"

#include <QtCore/QString>

#include <algorithm>

namespace brivel {

namespace {

const QString Group = QStringLiteral("Window");
const QString Left = QStringLiteral("Window/Left");
const QString Top = QStringLiteral("Window/Top");
const QString Width = QStringLiteral("Window/Width");
const QString Height = QStringLiteral("Window/Height");
const QString Maximised = QStringLiteral("Window/Maximized");

}  // namespace

std::optional<WindowPlacement> WindowPlacement::load(const SettingsStore& store)
{
    try {
        const auto left = store.readInt(Left);
        const auto top = store.readInt(Top);
        const auto width = store.readInt(Width);
        const auto height = store.readInt(Height);
        if (!left || !top || !width || !height || *width <= 0 || *height <= 0)
            return std::nullopt;
        return WindowPlacement{QRect(*left, *top, *width, *height),
                               store.readInt(Maximised).value_or(0) != 0};
    } catch (const PlatformError&) {
        return std::nullopt;
    }
}

void WindowPlacement::store(SettingsStore& store) const
{
    store.ensureGroup(Group);
    store.writeInt(Left, geometry.x());
    store.writeInt(Top, geometry.y());
    store.writeInt(Width, geometry.width());
    store.writeInt(Height, geometry.height());
    store.writeInt(Maximised, maximised ? 1 : 0);
}

WindowPlacement WindowPlacement::fitted(const QRect& available, const QSize& minimum) const
{
    QSize size = geometry.size().expandedTo(minimum);
    if (!available.isEmpty())
        size = size.boundedTo(available.size().expandedTo(minimum));
    QRect fit(geometry.topLeft(), size);
    if (!available.isEmpty()) {
        // Moved back onto the room, as far as it fits.
        fit.moveLeft(std::clamp(fit.left(), available.left(),
                                std::max(available.left(), available.right() + 1 - fit.width())));
        fit.moveTop(std::clamp(fit.top(), available.top(),
                               std::max(available.top(), available.bottom() + 1 - fit.height())));
    }
    return {fit, maximised};
}

}  // namespace brivel
