#include "sim/ReplyLine.h"

#include <algorithm>

namespace brivel::sim {

qint64 ReplyLine::arrivalUs(qint64 startUs, qsizetype count)
{
    return startUs + (count * BitsPerByte * 1000000 + LineRate - 1) / LineRate;
}

void ReplyLine::send(const QByteArray& bytes, qint64 startUs, bool heldBack)
{
    if (bytes.isEmpty())
        return;
    const qint64 start = std::max(startUs, freeAtUs_);
    queue_.push_back({bytes, start, heldBack});
    freeAtUs_ = arrivalUs(start, bytes.size());
}

QByteArray ReplyLine::takeArrived(qint64 nowUs)
{
    QByteArray out;
    while (!queue_.empty()) {
        Transfer& t = queue_.front();
        qsizetype arrived = 0;
        if (nowUs >= arrivalUs(t.startUs, t.bytes.size()))
            arrived = t.bytes.size();
        else if (!t.heldBack && nowUs > t.startUs)
            arrived = (nowUs - t.startUs) * LineRate / (BitsPerByte * 1000000);
        if (arrived > t.taken) {
            out.append(t.bytes.mid(t.taken, arrived - t.taken));
            t.taken = arrived;
        }
        if (t.taken < t.bytes.size())
            break;
        queue_.pop_front();
    }
    return out;
}

}  // namespace brivel::sim
