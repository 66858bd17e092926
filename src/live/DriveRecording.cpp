#include "live/DriveRecording.h"

#include "link/Commands.h"
#include "link/Frames.h"
#include "live/DriveRecordFormat.h"
#include "live/LiveFrame.h"

#include <QtCore/QFile>

#include <algorithm>
#include <iterator>

namespace brivel {

namespace {

// Longer than any time a drive could take, short of overflowing.
constexpr qint64 MaxSeconds = qint64(1) << 40;
// A reply's length field goes no further.
constexpr int MaxFrameBytes = 0xFFFF;

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

int hexByteAt(const char* text)
{
    const int high = hexDigit(text[0]);
    const int low = hexDigit(text[1]);
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}

// The reply a frame field holds: how many bytes and its echo, when the
// field is nothing but hex digits, starts with the lead byte and has exactly
// the length its length field announces.
struct FrameField {
    int bytes;
    int echo;
};

std::optional<FrameField> frameField(const char* text, qsizetype length)
{
    if (length < 8 || length % 2 != 0 || length / 2 > MaxFrameBytes)
        return std::nullopt;
    if (hexByteAt(text) != FrameLead)
        return std::nullopt;
    const int high = hexByteAt(text + 2);
    const int low = hexByteAt(text + 4);
    const int echo = hexByteAt(text + 6);
    if (high < 0 || low < 0 || echo < 0 || high * 256 + low != length / 2)
        return std::nullopt;
    for (qsizetype i = 8; i < length; ++i)
        if (hexDigit(text[i]) < 0)
            return std::nullopt;
    return FrameField{static_cast<int>(length / 2), echo};
}

QByteArray decodeHex(const char* text, int bytes)
{
    QByteArray out(bytes, Qt::Uninitialized);
    for (int i = 0; i < bytes; ++i)
        out[i] = static_cast<char>(hexByteAt(text + 2 * i));
    return out;
}

}  // namespace

namespace record {

std::optional<qint64> parseSeconds(const char* text, qsizetype length)
{
    qint64 whole = 0;
    qsizetype i = 0;
    for (; i < length && text[i] >= '0' && text[i] <= '9'; ++i) {
        whole = whole * 10 + (text[i] - '0');
        if (whole > MaxSeconds)
            return std::nullopt;
    }
    if (i == 0)
        return std::nullopt;
    qint64 ms = 0;
    if (i < length) {
        if (text[i] != '.' || i + 1 == length)
            return std::nullopt;
        int decimals = 0;
        for (++i; i < length; ++i, ++decimals) {
            if (text[i] < '0' || text[i] > '9')
                return std::nullopt;
            if (decimals < 3)
                ms = ms * 10 + (text[i] - '0');
        }
        for (; decimals < 3; ++decimals)
            ms *= 10;
    }
    return whole * 1000 + ms;
}

}  // namespace record

DriveRecording DriveRecording::parse(QByteArray content)
{
    DriveRecording recording;
    recording.content_ = std::move(content);
    const QByteArray& text = recording.content_;
    const char* data = text.constData();
    const qsizetype size = text.size();
    qint64 lastTime = 0;

    for (qsizetype start = 0; start < size;) {
        qsizetype end = text.indexOf('\n', start);
        const qsizetype next = end < 0 ? size : end + 1;
        if (end < 0)
            end = size;
        qsizetype stop = end;
        if (stop > start && data[stop - 1] == '\r')
            --stop;
        // Searched within the line only, so that a file of long lines
        // without separators is still read in one pass.
        const char* lineBegin = data + start;
        const char* lineEnd = data + stop;
        const char* first = std::find(lineBegin, lineEnd, record::Separator);
        const char* last = std::find(std::make_reverse_iterator(lineEnd),
                                     std::make_reverse_iterator(lineBegin), record::Separator)
                               .base();
        const qsizetype firstComma = first - data;
        const qsizetype lastComma = (last - data) - 1;
        if (first != lineEnd) {
            const auto time = record::parseSeconds(data + start, firstComma - start);
            const qsizetype hexStart = lastComma + 1;
            const auto field = frameField(data + hexStart, stop - hexStart);
            if (time && field) {
                const bool image =
                    field->echo == command::ReadSettings || field->echo == command::FactoryReset;
                if (image) {
                    if (recording.settingsImage_.isEmpty() && recording.entries_.empty())
                        recording.settingsImage_ = decodeHex(data + hexStart, field->bytes);
                } else if (field->bytes >= live::MinimumFrameLength) {
                    // A row that steps back in time keeps its place at the
                    // time of the row before it.
                    lastTime = std::max(lastTime, *time);
                    recording.entries_.push_back({lastTime, hexStart, field->bytes});
                }
            }
        }
        start = next;
    }
    return recording;
}

std::optional<DriveRecording> DriveRecording::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parse(file.readAll());
}

QByteArray DriveRecording::frame(int index) const
{
    const Entry& entry = entries_[static_cast<std::size_t>(index)];
    return decodeHex(content_.constData() + entry.hexOffset, entry.bytes);
}

int DriveRecording::indexAt(qint64 ms) const
{
    const auto after = std::upper_bound(entries_.begin(), entries_.end(), ms,
                                        [](qint64 t, const Entry& e) { return t < e.timeMs; });
    return static_cast<int>(after - entries_.begin()) - 1;
}

}  // namespace brivel
