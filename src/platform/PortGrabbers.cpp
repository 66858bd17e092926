#include "platform/PortGrabbers.h"

#include "i18n/MessageRows.h"

#include <QtCore/QDir>
#include <QtCore/QFile>

namespace brivel {

QStringList runningProcessNames(const QString& procRoot)
{
    QStringList names;
    const QDir proc(procRoot);
    for (const QString& entry : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool isPid = false;
        entry.toLongLong(&isPid);
        if (!isPid)
            continue;
        QFile comm(proc.filePath(entry + QStringLiteral("/comm")));
        if (!comm.open(QIODevice::ReadOnly))
            continue;
        const QString name = QString::fromUtf8(comm.readAll()).trimmed();
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

QString portGrabberAdvice(PortOpenFailure failure, const QStringList& processes,
                          const std::function<QString(msg::Row row)>& text)
{
    if (!text)
        return QString();
    QStringList advice;
    const bool busy = failure == PortOpenFailure::Busy;
    if (busy && processes.contains(QStringLiteral("ModemManager")))
        advice.append(text(msg::Row::ModemManagerAdvice));
    // brltty may hold the port, or have unbound the adapter's serial driver
    // so that the port is gone.
    const bool brlttyRuns = processes.contains(QStringLiteral("brltty")) ||
                            processes.contains(QStringLiteral("brltty-udev"));
    if ((busy || failure == PortOpenFailure::NotFound) && brlttyRuns)
        advice.append(text(msg::Row::BrlttyAdvice));
    return advice.join(QLatin1Char('\n'));
}

}  // namespace brivel
