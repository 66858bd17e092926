#pragma once

#include "settings/ParameterBlock.h"
#include "settings/SettingsDisplay.h"
#include "settings/StoredFaults.h"

#include <QtCore/QByteArray>
#include <QtCore/QLocale>

namespace brivel::settings {

// What every settings control shows for a settings image, worked out the way
// the window applies it: cylinder buttons from the cylinder count, the
// selectors, the map chart's axis, the check boxes and fuel, the cylinder
// mask, the sliders and sensors, the level sensor and its thresholds, the
// stored-fault list and the map. Fault texts come from `message`; decimal
// texts use `locale`.
//
// Any bytes at all make an image: a field the image does not wholly hold
// leaves its control unchanged, and without the cylinder count the cylinder
// buttons keep their enabled state and colours. Nothing is read outside the
// image.
SettingsDisplay decodeParameterBlock(const ParameterBlock& block, const MessageLookup& message,
                                     const QLocale& locale);
SettingsDisplay decodeParameterBlock(const QByteArray& block, const MessageLookup& message,
                                     const QLocale& locale);

// The `Sel_cyl` item of a cylinder-count code (0-3 and 5; NoSelection else),
// and how many cylinders an item stands for (0 for none).
int cylinderItemForCode(quint8 code);
int cylindersOfItem(int item);

// The `Sel_Typ_wtrysku` item of an injector type code, NoSelection for a
// code without one.
int injectorItemForCode(quint8 code);

// The map chart's right-axis maximum for the `Sel_Typ_silnika` item shown.
int mapAxisMaximumFor(int engineTypeItem);

}  // namespace brivel::settings
