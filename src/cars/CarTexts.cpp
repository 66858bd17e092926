#include "cars/CarTexts.h"

#include "i18n/MessageRows.h"

#include <QtCore/QStringList>

namespace brivel::cars::text {

namespace {

QString row(const MessageLookup& text, msg::Row r)
{
    return text ? text(r) : QString();
}

QString labels(const QList<Car>& cars)
{
    QStringList plates;
    for (const Car& c : cars)
        plates << c.plate;
    return plates.join(QStringLiteral(", "));
}

}  // namespace

QString reason(PointReason reason, const MessageLookup& text)
{
    switch (reason) {
        case PointReason::Connect:
            return row(text, msg::Row::PointByConnect);
        case PointReason::FileLoad:
            return row(text, msg::Row::PointByFileLoad);
        case PointReason::FactoryReset:
            return row(text, msg::Row::PointByFactoryReset);
        case PointReason::Adaptation:
            return row(text, msg::Row::PointByAdaptation);
        case PointReason::Manual:
            return row(text, msg::Row::PointByManual);
        case PointReason::DisconnectKeep:
            return row(text, msg::Row::PointByDisconnectKeep);
        case PointReason::ImportedFile:
            return row(text, msg::Row::PointByImportedFile);
    }
    return QString();
}

QString carLabel(const Car& car)
{
    QStringList parts{car.plate};
    const QString makeModel = QStringList{car.make, car.model}.join(QLatin1Char(' ')).trimmed();
    if (!makeModel.isEmpty())
        parts << makeModel;
    if (!car.owner.trimmed().isEmpty())
        parts << car.owner.trimmed();
    return parts.join(QStringLiteral(" · "));
}

QString carLine(const CarLine& line, const MessageLookup& text)
{
    using S = CarLine::State;
    switch (line.state) {
        case S::NoCar:
            return QString();
        case S::Waiting:
            return row(text, msg::Row::CarLineWaiting);
        case S::LastVisit:
            return row(text, msg::Row::CarLineLastVisit)
                .arg(line.car ? carLabel(*line.car) : QString());
        case S::Chosen:
            return line.car ? carLabel(*line.car) : QString();
        case S::Unknown:
            return row(text, msg::Row::CarLineUnknown);
        case S::OlderVisit:
            return row(text, msg::Row::CarLineOlderVisit).arg(labels(line.offered));
        case S::SeveralCars:
            return row(text, msg::Row::CarLineSeveralCars).arg(labels(line.offered));
        case S::NoLibrary:
            return row(text, msg::Row::CarLineNoLibrary);
    }
    return QString();
}

QString statusLine(const LibraryStatus& status, const MessageLookup& text)
{
    QString line;
    switch (status.problem) {
        case Problem::None:
        case Problem::Missing:
            break;
        case Problem::DriverMissing:
            line = row(text, msg::Row::LibraryDriverMissing).arg(status.detail);
            break;
        case Problem::Unreachable:
            line = row(text, msg::Row::LibraryUnreachable).arg(status.place, status.detail);
            break;
        case Problem::CannotOpen:
            line = row(text, msg::Row::LibraryCannotOpen).arg(status.place, status.detail);
            break;
        case Problem::Damaged:
            line = row(text, msg::Row::LibraryDamaged).arg(status.place, status.detail);
            break;
        case Problem::Locked:
            line = row(text, msg::Row::LibraryLocked).arg(status.place);
            break;
        case Problem::NewerSchema:
            line = row(text, msg::Row::LibraryNewer).arg(status.place).arg(status.schemaVersion);
            break;
        case Problem::CannotWrite:
            line = row(text, msg::Row::LibraryCannotWrite).arg(status.place, status.detail);
            break;
    }
    QStringList parts;
    if (!line.isEmpty())
        parts << line;
    if (status.waiting > 0)
        parts << row(text, msg::Row::LibraryWaiting).arg(status.waiting);
    if (status.unsaved > 0)
        parts << row(text, msg::Row::LibraryUnsaved).arg(status.unsaved);
    return parts.join(QStringLiteral(" – "));
}

QString duration(qint64 ms)
{
    const qint64 s = ms / 1000;
    const qint64 h = s / 3600;
    const qint64 m = (s / 60) % 60;
    const QString ss = QStringLiteral("%1").arg(s % 60, 2, 10, QLatin1Char('0'));
    if (h > 0)
        return QStringLiteral("%1:%2:%3").arg(h).arg(m, 2, 10, QLatin1Char('0')).arg(ss);
    return QStringLiteral("%1:%2").arg(m).arg(ss);
}

}  // namespace brivel::cars::text
