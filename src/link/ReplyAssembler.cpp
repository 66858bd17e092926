#include "link/ReplyAssembler.h"

#include "link/Frames.h"

#include <algorithm>

namespace brivel {

void ReplyAssembler::clear()
{
    bytes_.clear();
    expected_ = 0;
}

void ReplyAssembler::append(const QByteArray& piece)
{
    add(piece);
    expected_ = ReplyLength(bytes_).value_or(0);
}

void ReplyAssembler::appendFirst(const QByteArray& piece)
{
    expected_ = PieceLengthField(piece);
    add(piece);
}

void ReplyAssembler::add(const QByteArray& piece)
{
    const qsizetype room = MaxSize - bytes_.size();
    if (room > 0)
        bytes_.append(piece.left(room));
}

int ReplyAssembler::deadlineMs() const
{
    return deadlineMs(expected_ > 0 ? std::optional<int>(expected_) : std::nullopt);
}

int ReplyAssembler::deadlineMs(std::optional<int> length)
{
    if (!length || *length <= 0)
        return MaxReplyMs;
    const qint64 lineMs =
        (static_cast<qint64>(*length) * BitsPerByte * 1000 + LineRate - 1) / LineRate;
    return static_cast<int>(std::min<qint64>(MaxReplyMs, ReplyTimeoutMs + 2 * lineMs));
}

}  // namespace brivel
