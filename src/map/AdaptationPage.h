#pragma once

#include <QtCore/QObject>

class QWidget;

namespace brivel {

class MapLiveFeed;

// The "Adaptacja" page: the adaptation procedure arrives here; it sets the
// feed's adaptation step while it runs.
class AdaptationPage : public QObject {
    Q_OBJECT
public:
    AdaptationPage(QWidget* page, MapLiveFeed& feed);

    MapLiveFeed& feed() const { return feed_; }

private:
    MapLiveFeed& feed_;
};

}  // namespace brivel
