#include "live/DriveRecordFormat.h"

#include "live/LiveFrame.h"

#include <algorithm>
#include <array>

namespace brivel::record {

namespace {

const std::array<const char*, 28> Columns = {
    "time [s]",
    "engine speed [rpm]",
    "manifold pressure [kPa]",
    "gas pressure [bar]",
    "petrol time 1 [ms]",
    "petrol time 2 [ms]",
    "petrol time 3 [ms]",
    "petrol time 4 [ms]",
    "petrol time 5 [ms]",
    "petrol time 6 [ms]",
    "petrol time 7 [ms]",
    "petrol time 8 [ms]",
    "gas time [ms]",
    "gas temperature [\xC2\xB0"
    "C]",
    "reducer temperature [\xC2\xB0"
    "C]",
    "lambda 1 [V]",
    "lambda 2 [V]",
    "battery [V]",
    "tank sensor [V]",
    "tank level [1/4]",
    "controller active [0/1]",
    "fuel [PB/LPG]",
    "fault flags 1 [hex]",
    "injector faults [hex]",
    "fault flags 2 [hex]",
    "sample index",
    "map selector",
    "frame [hex]",
};

// QByteArray::number formats without the locale: always a decimal point.
QByteArray fixed(float value, int decimals)
{
    const QByteArray text = QByteArray::number(static_cast<double>(value), 'f', decimals);
    // A value that rounds to zero from below reads "-0.00"; a spreadsheet
    // would show it as a negative zero.
    bool zero = true;
    for (char c : text)
        if (c >= '1' && c <= '9')
            zero = false;
    return zero && text.startsWith('-') ? text.mid(1) : text;
}

QByteArray hexByte(quint8 value)
{
    return QByteArrayLiteral("0x") + QByteArray::number(value, 16).rightJustified(2, '0').toUpper();
}

}  // namespace

int columnCount()
{
    return static_cast<int>(Columns.size());
}

QString fileName(const QDateTime& startedAt)
{
    return QStringLiteral("brivel_%1.csv")
        .arg(startedAt.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")));
}

QByteArray headerLine()
{
    QByteArray line(ByteOrderMark);
    for (std::size_t i = 0; i < Columns.size(); ++i) {
        if (i > 0)
            line += Separator;
        line += Columns[i];
    }
    return line + LineEnd;
}

QByteArray seconds(qint64 ms)
{
    if (ms < 0)
        ms = 0;
    return QByteArray::number(ms / 1000) + '.' +
           QByteArray::number(ms % 1000).rightJustified(3, '0');
}

QString clockText(qint64 ms)
{
    const qint64 total = std::max<qint64>(ms, 0) / 1000;
    const qint64 hours = total / 3600;
    const QString minutesAndSeconds =
        QStringLiteral("%1:%2")
            .arg(hours > 0 ? total / 60 % 60 : total / 60, hours > 0 ? 2 : 1, 10, QLatin1Char('0'))
            .arg(total % 60, 2, 10, QLatin1Char('0'));
    return hours > 0 ? QStringLiteral("%1:%2").arg(hours).arg(minutesAndSeconds)
                     : minutesAndSeconds;
}

QByteArray frameLine(qint64 elapsedMs, const QByteArray& frame)
{
    const live::LiveReadings r = live::readLiveFrame(frame);
    QByteArray line;
    line.reserve(160 + frame.size() * 2);
    auto add = [&line](const QByteArray& field) {
        line += Separator;
        line += field;
    };
    line += seconds(elapsedMs);
    add(fixed(r.rpm, 0));
    add(fixed(r.manifoldPressure, 0));
    add(fixed(r.gasPressure, 2));
    for (float petrol : r.petrolTimes)
        add(fixed(petrol, 1));
    add(fixed(r.gasTime, 5));
    add(fixed(r.gasTemp, 0));
    add(fixed(r.reducerTemp, 0));
    // The probes as measured: an inactive controller's gauges read 0, the
    // "controller active" column says when.
    add(fixed(r.lambda1, 4));
    add(fixed(r.lambda2, 4));
    add(fixed(r.battery, 2));
    // The level sensor's voltage has the lambda probes' scaling (× 0.0196).
    add(fixed(live::lambdaVolts(r.tankVoltageByte), 4));
    add(QByteArray::number(r.tankLevel));
    add(r.active ? "1" : "0");
    add(r.gasSelected ? "LPG" : "PB");
    add(hexByte(r.faultFlags1));
    add(hexByte(r.injectorFaults));
    add(hexByte(r.faultFlags2));
    add(QByteArray::number(r.sampleIndex));
    add(QByteArray::number(r.mapSelector));
    add(frame.toHex().toUpper());
    return line + LineEnd;
}

QByteArray settingsLine(qint64 elapsedMs, const QByteArray& image)
{
    QByteArray line = seconds(elapsedMs);
    line += QByteArray(columnCount() - 2, Separator);
    line += Separator;
    line += image.toHex().toUpper();
    return line + LineEnd;
}

}  // namespace brivel::record
