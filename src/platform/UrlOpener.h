#pragma once

#include <QtCore/QString>

namespace brivel {

// Opens a web address or a "mailto:" link with the system's default handler.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void open(const QString& url) = 0;
};

class QtUrlOpener final : public UrlOpener {
public:
    void open(const QString& url) override;
};

}  // namespace brivel
