#pragma once

#include <QtCore/QString>

namespace brivel {

// Opens a web address or a "mailto:" link with the system's default handler.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void open(const QString& url) = 0;
};

}  // namespace brivel
