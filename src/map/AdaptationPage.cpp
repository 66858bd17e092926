#include "map/AdaptationPage.h"

#include "map/MapLiveFeed.h"

#include <QtWidgets/QWidget>

namespace brivel {

AdaptationPage::AdaptationPage(QWidget* page, MapLiveFeed& feed) : QObject(page), feed_(feed) {}

}  // namespace brivel
