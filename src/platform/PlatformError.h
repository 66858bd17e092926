#pragma once

#include <QtCore/QString>

#include <stdexcept>

namespace brivel {

// An error raised inside a handler: the default error handler shows its text
// and skips the rest of that handler.
class PlatformError : public std::runtime_error {
public:
    explicit PlatformError(const QString& text)
        : std::runtime_error(text.toStdString()), text_(text)
    {
    }
    const QString& text() const { return text_; }

private:
    QString text_;
};

}  // namespace brivel
