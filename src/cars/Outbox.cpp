#include "cars/Outbox.h"

#include <QtCore/QCryptographicHash>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QJsonDocument>
#include <QtCore/QSaveFile>
#include <QtCore/QtEndian>

#include <unistd.h>

namespace brivel::cars {

namespace {

// An entry: the magic, the payload's length (4 bytes, high byte first), the
// first 8 bytes of the payload's SHA-256, then the payload (compact JSON).
const QByteArray Magic = QByteArrayLiteral("KOB1");
constexpr int LengthSize = 4;
constexpr int SumSize = 8;
constexpr int HeaderSize = 4 + LengthSize + SumSize;
// No change comes near this; a larger length is damage.
constexpr quint32 LargestPayload = 16 * 1024 * 1024;

QByteArray sum(const QByteArray& payload)
{
    return QCryptographicHash::hash(payload, QCryptographicHash::Sha256).left(SumSize);
}

QByteArray entry(const LibraryOp& op)
{
    const QByteArray payload = QJsonDocument(toJson(op)).toJson(QJsonDocument::Compact);
    QByteArray e = Magic;
    char length[LengthSize];
    qToBigEndian(static_cast<quint32>(payload.size()), length);
    e.append(length, LengthSize);
    e.append(sum(payload));
    e.append(payload);
    return e;
}

// The payloads of the whole entries in `bytes`, in order.
QList<QByteArray> payloads(const QByteArray& bytes)
{
    QList<QByteArray> found;
    qsizetype at = 0;
    while (at + HeaderSize <= bytes.size()) {
        if (bytes.mid(at, Magic.size()) != Magic) {
            // Damage: look for the next entry.
            const qsizetype next = bytes.indexOf(Magic, at + 1);
            if (next < 0)
                break;
            at = next;
            continue;
        }
        const quint32 length = qFromBigEndian<quint32>(bytes.constData() + at + Magic.size());
        const qsizetype end = at + HeaderSize + qsizetype(length);
        if (length > LargestPayload || end > bytes.size()) {
            at += 1;
            continue;
        }
        const QByteArray payload = bytes.mid(at + HeaderSize, length);
        if (bytes.mid(at + Magic.size() + LengthSize, SumSize) != sum(payload)) {
            at += 1;
            continue;
        }
        found.append(payload);
        at = end;
    }
    return found;
}

}  // namespace

Outbox::Outbox(QString path) : path_(std::move(path)) {}

bool Outbox::append(const QList<LibraryOp>& ops)
{
    if (ops.isEmpty())
        return true;
    QByteArray bytes;
    for (const LibraryOp& op : ops)
        bytes.append(entry(op));
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QFile file(path_);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        error_ = file.errorString();
        return false;
    }
    const qint64 before = file.size();
    file.seek(before);
    const bool written = file.write(bytes) == bytes.size() && ::fsync(file.handle()) == 0;
    if (!written) {
        error_ = file.errorString();
        // Take back what part of the entries reached the file, so that the
        // next append follows whole entries.
        if (::ftruncate(file.handle(), before) == 0)
            ::fsync(file.handle());
        return false;
    }
    error_.clear();
    return true;
}

QList<LibraryOp> Outbox::read() const
{
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<LibraryOp> ops;
    for (const QByteArray& payload : payloads(file.readAll())) {
        const auto op = opFromJson(QJsonDocument::fromJson(payload).object());
        if (op)
            ops.append(*op);
    }
    return ops;
}

bool Outbox::dropFirst(int count)
{
    const QList<LibraryOp> ops = read();
    if (count >= ops.size()) {
        if (QFile::exists(path_) && !QFile::remove(path_)) {
            // A file that cannot be removed is emptied instead.
            QFile file(path_);
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
                error_ = file.errorString();
                return false;
            }
        }
        return true;
    }
    QByteArray bytes;
    for (qsizetype i = count; i < ops.size(); ++i)
        bytes.append(entry(ops[i]));
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error_ = file.errorString();
        return false;
    }
    return true;
}

}  // namespace brivel::cars
