#pragma once

#include <QtCore/QObject>
#include <QtCore/QtGlobal>

class QWidget;

namespace brivel {

class MapLiveFeed;

// The "Mapa" page: the injection map chart and its correction arrive here;
// the page already takes the map chart's per-frame update.
class MapPage : public QObject {
    Q_OBJECT
public:
    MapPage(QWidget* page, MapLiveFeed& feed);

    // The map chart's live update with the frame's map selector. There is no
    // chart to draw on yet.
    void UpdateMapChart(quint8 mapSelector);
};

}  // namespace brivel
