#include "report/WorkshopStore.h"

#include "platform/SettingsStore.h"

namespace brivel::report {

namespace {

const QString Group = QStringLiteral("Workshop");
const QString Name = QStringLiteral("Workshop/Name");
const QString Address = QStringLiteral("Workshop/Address");
const QString Phone = QStringLiteral("Workshop/Phone");
const QString Fitter = QStringLiteral("Workshop/Fitter");

}  // namespace

WorkshopDetails readWorkshop(const SettingsStore& store)
{
    return {store.readString(Name), store.readString(Address), store.readString(Phone),
            store.readString(Fitter)};
}

void storeWorkshop(SettingsStore& store, const WorkshopDetails& workshop)
{
    store.ensureGroup(Group);
    store.writeString(Name, workshop.name);
    store.writeString(Address, workshop.address);
    store.writeString(Phone, workshop.phone);
    store.writeString(Fitter, workshop.fitter);
    store.flush();
}

}  // namespace brivel::report
