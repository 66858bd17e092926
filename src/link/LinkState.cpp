#include "link/LinkState.h"

namespace brivel {

QString linkStateText(LinkState state)
{
    switch (state) {
        case LinkState::Disconnected:
            return QString();
        case LinkState::W_s_0:
            return QStringLiteral("w_s_0");
        case LinkState::W_s_count:
            return QStringLiteral("w_s_count");
        case LinkState::T_C_start:
            return QStringLiteral("T_C_start");
        case LinkState::Count:
            return QStringLiteral("count");
        case LinkState::Read_count:
            return QStringLiteral("read_count");
        case LinkState::Read_count_1:
            return QStringLiteral("read_count_1");
    }
    return QString();
}

}  // namespace brivel
