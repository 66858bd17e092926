#pragma once

#include "settings/BlockLayout.h"

#include <QtCore/QByteArray>

#include <array>
#include <optional>

namespace brivel::settings {

// The controller's settings image as the last settings reply delivered it:
// the whole reply, envelope and check byte included, of whatever length the
// controller sent. Every read is bounds-checked: a field that the image does
// not wholly hold reads as absent, never as a byte past its end. The last
// byte is the reply's check byte and never a field, also in an image too
// short to reach the offsets where a whole image keeps its check byte.
class ParameterBlock {
public:
    ParameterBlock() = default;
    explicit ParameterBlock(QByteArray reply) : bytes_(std::move(reply)) {}

    const QByteArray& bytes() const { return bytes_; }
    int size() const { return static_cast<int>(bytes_.size()); }
    bool isEmpty() const { return bytes_.isEmpty(); }

    // The image holds every byte from `offset` to `offset + width - 1` before
    // its check byte.
    bool holds(int offset, int width = 1) const;
    bool holds(Field field) const;

    std::optional<quint8> byteAt(int offset) const;
    // A whole-byte field's stored byte, or a flag's state.
    std::optional<quint8> byte(Field field) const;
    std::optional<bool> flag(Field field) const;
    // The bytes of a field, or of a span, when the image holds all of them.
    std::optional<QByteArray> span(int offset, int width) const;
    std::optional<QByteArray> span(Field field) const;

    // The reply's check byte, the image's last byte.
    std::optional<quint8> checkByte() const;

    std::optional<std::array<quint8, MapEntries>> injectionMap() const;
    // The payload of the block write: offsets 21 to 560.
    std::optional<QByteArray> settingsRegion() const;
    // Fault memory entry `k` (0-39); an entry the image does not hold, or an
    // index outside the fault memory, is empty.
    quint8 faultEntry(int k) const;

    // Writes one byte when the image holds `offset` before its check byte;
    // false otherwise.
    bool patch(int offset, quint8 value);

private:
    QByteArray bytes_;
};

}  // namespace brivel::settings
