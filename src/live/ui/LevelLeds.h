#pragma once

#include "live/LiveSnapshot.h"
#include "widgets/ui/TAbLED.h"
#include "widgets/ui/TLED.h"

#include <array>

namespace brivel {

// The tank level as four LEDs ("1/4" … "4/4") and the reserve LED, shown
// alike in the bottom bar and in the level gauge of "Przełącznik".
struct LevelLeds {
    std::array<TAbLED*, 4> level{};
    TAbLED* reserve = nullptr;

    // Each LED lit as the snapshot says; the reserve flashes only while the
    // link is up.
    void show(const LiveSnapshot& s, LiveChanges changes) const
    {
        if (changes & (FrameDecoded | ReserveChanged)) {
            reserve->setFlashing(s.reserveFlashing);
            reserve->setChecked(s.reserveLit);
        }
        if (!(changes & FrameDecoded))
            return;
        for (std::size_t i = 0; i < level.size(); ++i)
            level[i]->setChecked(s.levelLit[i]);
    }
};

// A tank-level LED: a rectangular 15 × 17 LED beside its caption.
inline TAbLED* makeLevelLed(TAbFlashTimer& flash, QWidget* parent, const QString& name,
                            const QString& caption, const QColor& on = QColor(0, 255, 0))
{
    auto* led = new TAbLED(flash, parent);
    led->setObjectName(name);
    led->setCaption(caption);
    led->led()->setShape(TLED::sRectangle);
    led->led()->setWidth(15);
    led->led()->setHeight(17);
    led->led()->setColorOn(on);
    led->resize(led->sizeHint());
    return led;
}

// The reserve LED: "R" in red, flashing at 4 Hz while lit and connected.
inline TAbLED* makeReserveLed(TAbFlashTimer& flash, QWidget* parent, const QString& name)
{
    TAbLED* led = makeLevelLed(flash, parent, name, QStringLiteral("R"), QColor(255, 0, 0));
    led->setFrequency(ff4Hz);
    return led;
}

}  // namespace brivel
