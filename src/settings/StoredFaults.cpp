#include "settings/StoredFaults.h"

namespace brivel::settings {

namespace {

constexpr quint8 InjectorFault = 0x00;

QString messageText(const MessageLookup& message, msg::Row row)
{
    return message ? message(row) : QString();
}

}  // namespace

std::optional<msg::Row> storedFaultMessageRow(quint8 code)
{
    using msg::Row;
    // Rows of the codes 0x01-0x08, in code order.
    static constexpr Row rows[] = {Row::GasInjectionTooLong, Row::VoltageFault,
                                   Row::GasPressureHigh,     Row::GasPressureLow,
                                   Row::IgnitionVoltageLow,  Row::PetrolInjectionSignalFault,
                                   Row::PetrolSystemFault,   Row::SupplyVoltageFault};
    if (code == InjectorFault)
        return Row::InjectorFault;
    if (code >= 0x01 && code <= 0x08)
        return rows[code - 1];
    return std::nullopt;
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
            text += QString::number(n++) + messageText(message, msg::Row::InjectorFault);
            for (int bit = 0; bit < 8; ++bit)
                if (mask & (1u << bit))
                    text += QLatin1Char(' ') + QString::number(bit + 1);
            text += lineEnd;
        }
        // Past the last entry faultEntry() reads empty.
        const quint8 code = block.faultEntry(k);
        if (code >= 0x01 && code <= 0x08)
            text +=
                QString::number(n++) + messageText(message, *storedFaultMessageRow(code)) + lineEnd;
        if (code != EmptyFault)
            text += QString::number(code) + lineEnd;
    }
    return text;
}

}  // namespace brivel::settings
