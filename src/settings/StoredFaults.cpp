#include "settings/StoredFaults.h"

namespace brivel::settings {

namespace {

constexpr quint8 InjectorFault = 0x00;
constexpr int InjectorFaultRow = 6;

QString messageText(const MessageLookup& message, int row)
{
    return message ? message(row) : QString();
}

}  // namespace

int storedFaultMessageRow(quint8 code)
{
    // Rows of the codes 0x01-0x08, in code order.
    static constexpr int rows[] = {9, 0, 1, 2, 3, 4, 5, 8};
    if (code == InjectorFault)
        return InjectorFaultRow;
    if (code >= 0x01 && code <= 0x08)
        return rows[code - 1];
    return -1;
}

QString storedFaultText(const ParameterBlock& block, const MessageLookup& message)
{
    static const QString lineEnd = QStringLiteral("\r\n");
    const quint8 mask = block.byte(Field::ActiveGasCylinders).value_or(0);
    QString text;
    int n = 1;
    for (int k = 0; k < FaultEntries; ++k) {
        if (block.faultEntry(k) == InjectorFault) {
            ++k;
            text += QString::number(n++) + messageText(message, InjectorFaultRow);
            for (int bit = 0; bit < 8; ++bit)
                if (mask & (1u << bit))
                    text += QLatin1Char(' ') + QString::number(bit + 1);
            text += lineEnd;
        }
        // Past the last entry faultEntry() reads empty.
        const quint8 code = block.faultEntry(k);
        if (code >= 0x01 && code <= 0x08)
            text +=
                QString::number(n++) + messageText(message, storedFaultMessageRow(code)) + lineEnd;
        if (code != EmptyFault)
            text += QString::number(code) + lineEnd;
    }
    return text;
}

}  // namespace brivel::settings
