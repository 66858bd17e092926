#include "map/MapPage.h"

#include "map/MapLiveFeed.h"

#include <QtWidgets/QWidget>

namespace brivel {

MapPage::MapPage(QWidget* page, MapLiveFeed& feed) : QObject(page)
{
    feed.setChartUpdate([this](quint8 mapSelector) { UpdateMapChart(mapSelector); });
}

void MapPage::UpdateMapChart(quint8 mapSelector)
{
    (void)mapSelector;
}

}  // namespace brivel
