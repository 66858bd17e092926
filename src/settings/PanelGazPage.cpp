#include "settings/PanelGazPage.h"

#include <QtWidgets/QWidget>

namespace brivel {

PanelGazPage::PanelGazPage(QWidget* page) : QObject(page) {}

}  // namespace brivel
