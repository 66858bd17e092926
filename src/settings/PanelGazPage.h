#pragma once

#include <QtCore/QObject>

class QWidget;

namespace brivel {

// The "Panel Gaz" page: gas injectors, fuel kind, sensors and the adaptation
// pressures arrive here with the settings editors.
class PanelGazPage : public QObject {
    Q_OBJECT
public:
    explicit PanelGazPage(QWidget* page);
};

}  // namespace brivel
