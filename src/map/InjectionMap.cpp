#include "map/InjectionMap.h"

#include <algorithm>

namespace brivel::map {

InjectionMap::InjectionMap()
{
    for (int k = 1; k <= Entries; ++k)
        entries_[k - 1] = {k, 0};
}

bool InjectionMap::load(const QByteArray& block)
{
    if (block.size() < BlockEnd)
        return false;
    for (int k = 1; k <= Entries; ++k)
        entries_[k - 1].value = static_cast<quint8>(block[BlockOffset - 1 + k]);
    return true;
}

qint32 InjectionMap::value(int k) const
{
    return contains(k) ? entries_[k - 1].value : 0;
}

void InjectionMap::setValue(int k, qint32 value)
{
    if (contains(k))
        entries_[k - 1].value = value;
}

QByteArray InjectionMap::bytes() const
{
    QByteArray out(Entries, '\0');
    for (int k = 1; k <= Entries; ++k)
        out[k - 1] = static_cast<char>(std::clamp(entries_[k - 1].value, LowestByte, HighestByte));
    return out;
}

}  // namespace brivel::map
