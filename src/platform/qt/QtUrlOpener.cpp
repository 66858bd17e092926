#include "platform/qt/QtUrlOpener.h"

#include <QtCore/QUrl>
#include <QtGui/QDesktopServices>

namespace brivel {

void QtUrlOpener::open(const QString& url)
{
    QDesktopServices::openUrl(QUrl(url));
}

}  // namespace brivel
