#pragma once

#include "cars/CarRecords.h"
#include "cars/CarSession.h"
#include "cars/LibraryStatus.h"
#include "settings/StoredFaults.h"

#include <QtCore/QString>

// The library's texts in the fitter's language: `text` reads a row of the
// message table in the language chosen last.
namespace brivel::cars::text {

using settings::MessageLookup;

QString reason(PointReason reason, const MessageLookup& text);

// "WA 12345 · Opel Astra · Jan Kowalski": the plate and what else is known.
QString carLabel(const Car& car);

// The bottom area's line about the car; empty while no controller was seen.
QString carLine(const CarLine& line, const MessageLookup& text);

// One line on what keeps the library from taking records and how many wait;
// empty when all is well.
QString statusLine(const LibraryStatus& status, const MessageLookup& text);

// "4:05" or "1:02:03".
QString duration(qint64 ms);

}  // namespace brivel::cars::text
