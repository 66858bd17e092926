#include "sim/EmulatorFault.h"

namespace brivel::sim {

QString faultName(EmulatorFault fault)
{
    switch (fault) {
        case EmulatorFault::Silence:
            return QStringLiteral("silence");
        case EmulatorFault::BadLeadByte:
            return QStringLiteral("bad-lead-byte");
        case EmulatorFault::WrongEcho:
            return QStringLiteral("wrong-echo");
        case EmulatorFault::MissingEcho:
            return QStringLiteral("missing-echo");
        case EmulatorFault::ExtraBytes:
            return QStringLiteral("extra-bytes");
        case EmulatorFault::WrongVersion:
            return QStringLiteral("wrong-version");
        case EmulatorFault::ConnectReplyInOnePiece:
            return QStringLiteral("connect-reply-in-one-piece");
        case EmulatorFault::CutOffReply:
            return QStringLiteral("cut-off-reply");
        case EmulatorFault::NoiseBytes:
            return QStringLiteral("noise-bytes");
    }
    return QString();
}

std::optional<EmulatorFault> faultFromName(const QString& name)
{
    for (int i = 0; i < EmulatorFaultCount; ++i) {
        const auto fault = static_cast<EmulatorFault>(i);
        if (faultName(fault) == name)
            return fault;
    }
    return std::nullopt;
}

QStringList faultNames()
{
    QStringList names;
    for (int i = 0; i < EmulatorFaultCount; ++i)
        names << faultName(static_cast<EmulatorFault>(i));
    return names;
}

}  // namespace brivel::sim
