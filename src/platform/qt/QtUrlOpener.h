#pragma once

#include "platform/UrlOpener.h"

namespace brivel {

// Opens addresses with the desktop's default handler.
class QtUrlOpener final : public UrlOpener {
public:
    void open(const QString& url) override;
};

}  // namespace brivel
