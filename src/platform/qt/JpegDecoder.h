#pragma once

#include <QtCore/QByteArray>
#include <QtGui/QImage>

namespace brivel {

// Decodes a baseline or progressive JPEG with libjpeg. A broken or truncated
// file gives a null image; it never aborts the program.
QImage decodeJpeg(const QByteArray& data);

}  // namespace brivel
