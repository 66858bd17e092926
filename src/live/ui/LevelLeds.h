#pragma once

#include "widgets/ui/TAbDBLED.h"
#include "widgets/ui/TAbLED.h"
#include "widgets/ui/TLED.h"

namespace brivel {

// The tank-level LEDs of the bottom bar (data-bound kind) and of the level
// gauge (plain kind) look alike.
template <typename Led>
Led* makeLevelLed(TAbFlashTimer& flash, QWidget* parent, const QString& name,
                  const QString& caption, const QColor& on = QColor(0, 255, 0))
{
    auto* led = new Led(flash, parent);
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
template <typename Led>
Led* makeReserveLed(TAbFlashTimer& flash, QWidget* parent, const QString& name)
{
    Led* led = makeLevelLed<Led>(flash, parent, name, QStringLiteral("R"), QColor(255, 0, 0));
    led->setFrequency(ff4Hz);
    return led;
}

// Shows the reserve state of the snapshot on a reserve LED.
inline void showReserve(TAbLED* led, bool flashing, bool lit)
{
    led->setFlashing(flashing);
    led->setChecked(lit);
}

}  // namespace brivel
