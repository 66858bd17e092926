#include "cars/CarRecords.h"

#include "settings/BlockLayout.h"
#include "settings/FieldText.h"
#include "settings/ParameterBlock.h"

#include <QtCore/QCryptographicHash>
#include <QtCore/QSysInfo>
#include <QtCore/QUuid>

#include <array>

#ifndef BRIVEL_PROGRAM_VERSION
#define BRIVEL_PROGRAM_VERSION "unknown"
#endif

namespace brivel::cars {

namespace {

struct ReasonName {
    PointReason reason;
    const char* key;
};

constexpr std::array<ReasonName, 7> ReasonNames = {{
    {PointReason::Connect, "connect"},
    {PointReason::FileLoad, "file_load"},
    {PointReason::FactoryReset, "factory_reset"},
    {PointReason::Adaptation, "adaptation"},
    {PointReason::Manual, "manual"},
    {PointReason::DisconnectKeep, "disconnect_keep"},
    {PointReason::ImportedFile, "imported_file"},
}};

QByteArray sha256Hex(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

}  // namespace

RecordId newRecordId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QString plateKey(const QString& plate)
{
    QString key;
    key.reserve(plate.size());
    for (const QChar c : plate)
        if (!c.isSpace())
            key.append(c);
    return key.toUpper();
}

QString tidyPlate(const QString& plate)
{
    return plate.simplified();
}

bool Car::operator==(const Car& o) const
{
    return id == o.id && plate == o.plate && vin == o.vin && make == o.make && model == o.model &&
           engine == o.engine && owner == o.owner && phone == o.phone && notes == o.notes;
}

QString reasonKey(PointReason reason)
{
    for (const ReasonName& r : ReasonNames)
        if (r.reason == reason)
            return QString::fromLatin1(r.key);
    return QString();
}

std::optional<PointReason> reasonOfKey(const QString& key)
{
    for (const ReasonName& r : ReasonNames)
        if (key == QLatin1String(r.key))
            return r.reason;
    return std::nullopt;
}

Origin thisProgram()
{
    return {QStringLiteral(BRIVEL_PROGRAM_VERSION), QSysInfo::machineHostName()};
}

QByteArray imageHash(const QByteArray& image)
{
    return sha256Hex(image);
}

QByteArray settingsHash(const QByteArray& image)
{
    using namespace settings;
    const ParameterBlock block(image);
    const int versionFirst = offsetOf(Field::VersionMajor);
    const int versionEnd = blockField(Field::VersionPatch).end();
    const int settingsFirst = offsetOf(Field::ActiveGasCylinders);
    const auto version = block.span(versionFirst, versionEnd - versionFirst);
    const auto settings = block.span(settingsFirst, SettingsRegionLast + 1 - settingsFirst);
    // An image too short to hold the settings cannot be told from another
    // by them: the whole of it stands for itself.
    if (!version || !settings)
        return sha256Hex(QByteArrayLiteral("whole:") + image);
    return sha256Hex(*version + *settings);
}

RestorePoint makePoint(const QByteArray& image, PointReason reason, const QDateTime& time,
                       const Origin& origin)
{
    RestorePoint p;
    p.id = newRecordId();
    p.time = fromStoredTime(toStoredTime(time));
    p.reason = reason;
    p.controllerVersion = settings::fieldtext::firmwareVersion(settings::ParameterBlock(image));
    p.image = image;
    p.imageHash = imageHash(image);
    p.settingsHash = settingsHash(image);
    p.origin = origin;
    return p;
}

QString momentKey(FaultMoment moment)
{
    return moment == FaultMoment::AtConnect ? QStringLiteral("at_connect")
                                            : QStringLiteral("before_clear");
}

std::optional<FaultMoment> momentOfKey(const QString& key)
{
    if (key == QLatin1String("at_connect"))
        return FaultMoment::AtConnect;
    if (key == QLatin1String("before_clear"))
        return FaultMoment::BeforeClear;
    return std::nullopt;
}

bool holdsStoredFaults(const QByteArray& image)
{
    const settings::ParameterBlock block(image);
    for (int k = 0; k < settings::FaultEntries; ++k)
        if (block.faultEntry(k) != settings::EmptyFault)
            return true;
    return false;
}

qint64 toStoredTime(const QDateTime& time)
{
    return time.toMSecsSinceEpoch();
}

QDateTime fromStoredTime(qint64 ms)
{
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
}

}  // namespace brivel::cars
