#pragma once

#include "report/ReportInputs.h"

namespace brivel {
class SettingsStore;
}

namespace brivel::report {

// The workshop's details live in the program's settings store, under
// "Workshop/Name", "Workshop/Address", "Workshop/Phone" and "Workshop/Fitter".
WorkshopDetails readWorkshop(const SettingsStore& store);
// Raises PlatformError when the store cannot be written.
void storeWorkshop(SettingsStore& store, const WorkshopDetails& workshop);

}  // namespace brivel::report
