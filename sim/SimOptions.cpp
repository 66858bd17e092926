#include "sim/SimOptions.h"

#include "sim/ControllerEmulator.h"
#include "sim/CurrentFault.h"
#include "sim/DriveProfile.h"
#include "sim/EmulatorFault.h"

#include "platform/CommandLine.h"
#include "settings/SettingsFileIo.h"

namespace brivel::sim {

namespace {

const QString InjectorPrefix = QStringLiteral("injector-");

bool fail(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return false;
}

// "injector-3" is injector 3; anything else is 0.
int injectorNumber(const QString& name)
{
    if (!name.startsWith(InjectorPrefix))
        return 0;
    bool ok = false;
    const int k = name.mid(InjectorPrefix.size()).toInt(&ok);
    return ok && k >= 1 && k <= CurrentFaultSet::Injectors ? k : 0;
}

}  // namespace

SimOptions::SimOptions()
    : fault_(QStringLiteral("fault"),
             QStringLiteral("Switch a line fault on (repeatable): %1.")
                 .arg(faultNames().join(QStringLiteral(", "))),
             QStringLiteral("name")),
      profile_(QStringLiteral("profile"),
               QStringLiteral("Drive the engine through a profile: %1 (default idle).")
                   .arg(DriveProfile::names().join(QStringLiteral(", "))),
               QStringLiteral("name"), QStringLiteral("idle")),
      engineFault_(QStringLiteral("engine-fault"),
                   QStringLiteral("Report a fault as present (repeatable): %1, injector-1 to "
                                  "injector-8.")
                       .arg(currentFaultNames().join(QStringLiteral(", "))),
                   QStringLiteral("name")),
      tankLevel_(QStringLiteral("tank-level"),
                 QStringLiteral("Tank level, 0 (reserve) to 4 (full); default 3."),
                 QStringLiteral("level")),
      settingsFile_(QStringLiteral("settings"),
                    QStringLiteral("Start from the settings, map and stored faults of a "
                                   "settings data file (.kvs)."),
                    QStringLiteral("file")),
      storedFault_(QStringLiteral("stored-fault"),
                   QStringLiteral("Add a code to the stored fault memory, in order (repeatable, "
                                  "at most 40): 0-255, decimal or 0x hex; 0 is an injector fault "
                                  "and takes the next code along."),
                   QStringLiteral("code"))
{
    parser_.setApplicationDescription(QStringLiteral(
        "Serves an emulated gas-injection controller on a pseudo-terminal until it is ended:\n"
        "prints the terminal's path (e.g. /dev/pts/5), which Brivel opens like a serial port."));
    commandline::addStandardOptions(parser_);
    parser_.addOption(fault_);
    parser_.addOption(profile_);
    parser_.addOption(engineFault_);
    parser_.addOption(tankLevel_);
    parser_.addOption(settingsFile_);
    parser_.addOption(storedFault_);
}

bool SimOptions::parse(const QStringList& arguments, QString* error)
{
    if (parser_.parse(arguments))
        return true;
    return fail(error, parser_.errorText());
}

bool SimOptions::applyTo(ControllerEmulator& emulator, QString* error) const
{
    for (const QString& name : parser_.values(fault_)) {
        const auto fault = faultFromName(name);
        if (!fault)
            return fail(error, QStringLiteral("unknown fault \"%1\"").arg(name));
        emulator.setFault(*fault);
    }
    const QString profileName = parser_.value(profile_);
    const auto profile = DriveProfile::named(profileName);
    if (!profile)
        return fail(error, QStringLiteral("unknown profile \"%1\"").arg(profileName));
    emulator.engine().setProfile(*profile);
    for (const QString& name : parser_.values(engineFault_)) {
        if (const int injector = injectorNumber(name)) {
            emulator.live().setInjectorFault(injector);
        } else if (const auto fault = currentFaultFromName(name)) {
            emulator.live().setCurrentFault(*fault);
        } else {
            return fail(error, QStringLiteral("unknown engine fault \"%1\"").arg(name));
        }
    }
    if (parser_.isSet(tankLevel_)) {
        bool ok = false;
        const int level = parser_.value(tankLevel_).toInt(&ok);
        if (!ok || level < 0 || level > LiveState::TankLevels)
            return fail(error, QStringLiteral("tank level must be 0 to 4"));
        emulator.live().setTankLevel(level);
    }
    if (parser_.isSet(settingsFile_)) {
        const QString path = parser_.value(settingsFile_);
        const settings::datafile::LoadResult loaded = settings::datafile::load(path);
        if (!loaded.contents)
            return fail(error, QStringLiteral("settings file \"%1\": %2").arg(path, loaded.error));
        emulator.settings().restoreFrom(*loaded.contents);
    }
    // After the settings file, so that the faults given here win.
    const QStringList codes = parser_.values(storedFault_);
    if (!codes.isEmpty()) {
        if (codes.size() > SettingsImage::FaultEntries)
            return fail(error, QStringLiteral("at most 40 stored faults"));
        QByteArray entries;
        for (const QString& code : codes) {
            bool ok = false;
            const uint value = code.toUInt(&ok, 0);
            if (!ok || value > 0xFF)
                return fail(error, QStringLiteral("stored fault \"%1\" is no byte").arg(code));
            entries.append(static_cast<char>(value));
        }
        emulator.settings().setFaultMemory(entries);
    }
    return true;
}

}  // namespace brivel::sim
