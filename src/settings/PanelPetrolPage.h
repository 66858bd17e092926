#pragma once

#include <QtCore/QObject>

class QComboBox;
class QWidget;

namespace brivel {

// The "Panel Petrol" page. The engine settings arrive with the settings
// editors; the page already holds the hidden controls of the serial port:
// the rate selector `szybkosc` and the port list `ComComboBox1`.
class PanelPetrolPage : public QObject {
    Q_OBJECT
public:
    explicit PanelPetrolPage(QWidget* page);

    QComboBox* portList() const { return comComboBox1_; }

private:
    QComboBox* szybkosc_ = nullptr;
    QComboBox* comComboBox1_ = nullptr;
};

}  // namespace brivel
