#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QDateTime>
#include <QtCore/QList>
#include <QtCore/QMetaType>
#include <QtCore/QString>

#include <optional>

// What the car library keeps: the cars, and per car the settings images seen
// (restore points), the stored faults, the adaptations' results and the drive
// recordings. Every record carries an id the program gives it when it is made,
// so writing it twice (after a lost answer, from the outbox) keeps it once.
namespace brivel::cars {

using RecordId = QString;

// A fresh id: a random UUID without braces.
RecordId newRecordId();

// The plate as the library compares it: upper case, without any white space.
// Empty when nothing but white space was given.
QString plateKey(const QString& plate);

// The plate as it is shown: trimmed, runs of white space made one space.
QString tidyPlate(const QString& plate);

struct Car {
    RecordId id;
    QString plate;
    QString vin;
    QString make;
    QString model;
    QString engine;
    QString owner;
    QString phone;
    QString notes;

    bool operator==(const Car& o) const;
    bool operator!=(const Car& o) const { return !(*this == o); }
};

// Why a settings image was kept.
enum class PointReason {
    Connect,         // the handshake's image
    FileLoad,        // read back after a settings file was written
    FactoryReset,    // the reply to the factory reset
    Adaptation,      // the adaptation's final read
    Manual,          // "keep a point now"
    DisconnectKeep,  // the fitter kept the changes before disconnecting
    ImportedFile,    // a settings data file imported without a controller
};

// The reason as the library stores it ("connect", "file_load", …) and back.
QString reasonKey(PointReason reason);
std::optional<PointReason> reasonOfKey(const QString& key);

// Who kept a record: the program's version and the PC's name.
struct Origin {
    QString programVersion;
    QString pcName;
};

// The program's version and this PC's host name.
Origin thisProgram();

struct RestorePoint {
    RecordId id;
    RecordId carId;  // empty: kept before the car was known
    QDateTime time;  // UTC, milliseconds
    PointReason reason = PointReason::Connect;
    QString controllerVersion;
    QByteArray image;  // the whole settings reply, envelope included
    // Hex SHA-256 of the whole image: identical images have the same one.
    QByteArray imageHash;
    // Hex SHA-256 of what identifies the car's settings: the firmware
    // version, the cylinders on gas and the settings region. The stored
    // faults and the check byte change between visits of the same settings,
    // so matching a car uses this one.
    QByteArray settingsHash;
    Origin origin;
};

// A point for `image`, its hashes and version filled in, with a fresh id.
RestorePoint makePoint(const QByteArray& image, PointReason reason, const QDateTime& time,
                       const Origin& origin);

QByteArray imageHash(const QByteArray& image);
QByteArray settingsHash(const QByteArray& image);

// When the stored faults were kept.
enum class FaultMoment {
    AtConnect,    // seen in the handshake's image
    BeforeClear,  // the list just before the fitter cleared it
};
QString momentKey(FaultMoment moment);
std::optional<FaultMoment> momentOfKey(const QString& key);

struct FaultSnapshot {
    RecordId id;
    RecordId carId;
    QDateTime time;
    FaultMoment moment = FaultMoment::AtConnect;
    // The settings image the faults were read from: its fault memory and its
    // cylinders on gas make the list in words.
    QByteArray image;
    Origin origin;
};

// True when the image's fault memory holds at least one entry.
bool holdsStoredFaults(const QByteArray& image);

struct AdaptationEntry {
    RecordId id;
    RecordId carId;
    QDateTime time;
    int base = 0;        // the petrol time's map entry
    int multiplier = 0;  // m, hundredths
    bool written = false;
    QString text;    // the info text the fitter saw
    QByteArray map;  // the map written, one byte per entry; empty when none was
    Origin origin;
};

struct RecordingEntry {
    RecordId id;
    RecordId carId;
    QString path;
    QDateTime start;
    qint64 lengthMs = 0;
    Origin origin;
};

// Milliseconds since the epoch, as the library stores times, and back (UTC).
qint64 toStoredTime(const QDateTime& time);
QDateTime fromStoredTime(qint64 ms);

}  // namespace brivel::cars

Q_DECLARE_METATYPE(brivel::cars::Car)
Q_DECLARE_METATYPE(brivel::cars::RestorePoint)
