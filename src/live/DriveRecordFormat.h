#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QDateTime>
#include <QtCore/QString>

namespace brivel::record {

// A drive recording is a CSV file that any spreadsheet opens: a header row
// naming every column with its unit, then one row per live frame. Numbers
// always use a decimal point, whatever the user's locale, because the comma
// separates the columns. The last column holds the reply exactly as the
// controller sent it, in hex, which is all a replay needs; the decoded
// columns are there for the person reading the file.

constexpr char Separator = ',';
// Spreadsheets take the file for UTF-8 (the degree sign) only with it.
constexpr char ByteOrderMark[] = "\xEF\xBB\xBF";
constexpr char LineEnd[] = "\r\n";

// The columns, in order; the first is the elapsed time, the last the frame.
int columnCount();

// "brivel_2024-05-17_14-03-22.csv" for a recording started at that moment.
QString fileName(const QDateTime& startedAt);

// The first line of a file: the byte order mark and the header row.
QByteArray headerLine();

// The row of a live frame received `elapsedMs` after the recording began.
// `frame` must be a whole live frame (live::classify gives Decode).
QByteArray frameLine(qint64 elapsedMs, const QByteArray& frame);

// A row that carries the controller's settings image: the elapsed time and
// the image in the frame column, the readings left empty. A replay answers
// the connect handshake with it.
QByteArray settingsLine(qint64 elapsedMs, const QByteArray& image);

// Seconds with three decimals and a decimal point: 1234 ms is "1.234".
QByteArray seconds(qint64 ms);

// A duration as a clock shows it, for the status bar: "4:05" below an hour,
// "1:02:03" from one hour on; whole seconds, rounded down.
QString clockText(qint64 ms);

}  // namespace brivel::record
