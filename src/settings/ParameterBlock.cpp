#include "settings/ParameterBlock.h"

#include "link/Commands.h"

namespace brivel::settings {

static_assert(SettingsRegionSize == command::SettingsRegionSize);
static_assert(MapEntries == command::MapSize);

bool ParameterBlock::holds(int offset, int width) const
{
    // Written so that no sum can overflow, whatever the arguments.
    const int end = size() > 0 ? size() - 1 : 0;
    return offset >= 0 && width >= 0 && offset <= end && width <= end - offset;
}

bool ParameterBlock::holds(Field field) const
{
    const BlockField& f = blockField(field);
    return holds(f.offset, f.width);
}

std::optional<quint8> ParameterBlock::byteAt(int offset) const
{
    if (!holds(offset))
        return std::nullopt;
    return static_cast<quint8>(bytes_[offset]);
}

std::optional<quint8> ParameterBlock::byte(Field field) const
{
    const BlockField& f = blockField(field);
    if (f.width != 1)
        return std::nullopt;
    const auto b = byteAt(f.offset);
    if (!b)
        return std::nullopt;
    return static_cast<quint8>(*b & f.mask);
}

std::optional<bool> ParameterBlock::flag(Field field) const
{
    const auto b = byte(field);
    if (!b)
        return std::nullopt;
    return *b != 0;
}

std::optional<QByteArray> ParameterBlock::span(int offset, int width) const
{
    if (!holds(offset, width))
        return std::nullopt;
    return bytes_.mid(offset, width);
}

std::optional<QByteArray> ParameterBlock::span(Field field) const
{
    const BlockField& f = blockField(field);
    return span(f.offset, f.width);
}

std::optional<quint8> ParameterBlock::checkByte() const
{
    if (isEmpty())
        return std::nullopt;
    return static_cast<quint8>(bytes_.back());
}

std::optional<std::array<quint8, MapEntries>> ParameterBlock::injectionMap() const
{
    const auto bytes = span(Field::InjectionMap);
    if (!bytes)
        return std::nullopt;
    std::array<quint8, MapEntries> map{};
    for (int k = 0; k < MapEntries; ++k)
        map[k] = static_cast<quint8>((*bytes)[k]);
    return map;
}

std::optional<QByteArray> ParameterBlock::settingsRegion() const
{
    return span(SettingsRegionFirst, SettingsRegionSize);
}

quint8 ParameterBlock::faultEntry(int k) const
{
    if (k < 0 || k >= FaultEntries)
        return EmptyFault;
    return byteAt(offsetOf(Field::FaultMemory) + k).value_or(EmptyFault);
}

bool ParameterBlock::patch(int offset, quint8 value)
{
    if (!holds(offset))
        return false;
    bytes_[offset] = static_cast<char>(value);
    return true;
}

}  // namespace brivel::settings
