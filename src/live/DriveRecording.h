#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QString>

#include <optional>
#include <vector>

namespace brivel {

// A drive recording read back for a replay: the time and the reply of every
// live frame, and the settings image if the file carries one. Reading is
// tolerant: rows that are not whole frames (the header, a row a spreadsheet
// mangled, the last row of a recording cut off by a crash) are passed over,
// so a damaged file replays as far as its good rows go.
//
// The file is indexed once: each frame's time and where its hex starts in
// the text. A frame's bytes are decoded only when it is replayed, so even an
// hour's drive opens at once.
class DriveRecording {
public:
    DriveRecording() = default;

    // Indexes the text of a recording.
    static DriveRecording parse(QByteArray content);
    // Reads and indexes a file; nothing when it cannot be read.
    static std::optional<DriveRecording> load(const QString& path);

    bool isEmpty() const { return entries_.empty(); }
    int frameCount() const { return static_cast<int>(entries_.size()); }
    // Milliseconds since the recording began; never decreasing with the index.
    qint64 timeMs(int index) const { return entries_[static_cast<std::size_t>(index)].timeMs; }
    // The reply of frame `index`, envelope included.
    QByteArray frame(int index) const;
    qint64 startMs() const { return isEmpty() ? 0 : entries_.front().timeMs; }
    qint64 endMs() const { return isEmpty() ? 0 : entries_.back().timeMs; }
    // The last frame at or before `ms`; -1 when `ms` is before the first.
    int indexAt(qint64 ms) const;
    // The settings image the recording began with; empty when it has none.
    const QByteArray& settingsImage() const { return settingsImage_; }

private:
    struct Entry {
        qint64 timeMs;
        qsizetype hexOffset;
        int bytes;
    };

    QByteArray content_;
    std::vector<Entry> entries_;
    QByteArray settingsImage_;
};

namespace record {

// The elapsed-time column ("12.345") in milliseconds; nothing for anything
// else. Digits past the third decimal are dropped.
std::optional<qint64> parseSeconds(const char* text, qsizetype length);

}  // namespace record

}  // namespace brivel
