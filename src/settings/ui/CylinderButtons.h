#pragma once

#include "settings/CylinderButtonsModel.h"

#include <QtCore/QObject>

#include <array>

class QGroupBox;
class QWidget;

namespace brivel {

class TAbColBitBtn;
class TAbFlashTimer;

// The group "aaa" of the left column: Cyl_0_led … Cyl_7_led, which show the
// cylinders running on gas as the model holds them. A click is reported with
// the button's number.
class CylinderButtons : public QObject {
    Q_OBJECT
public:
    static constexpr int Count = CylinderButtonsModel::Count;

    CylinderButtons(QWidget* panel, TAbFlashTimer& flashTimer, const CylinderButtonsModel& model);

    QGroupBox* group() const { return group_; }
    const std::array<TAbColBitBtn*, Count>& buttons() const { return buttons_; }

signals:
    // `Cyl_<k>_led` was clicked (`Cyl_x_ledClick`).
    void buttonClicked(int k);

private:
    void render(const CylinderButtonsModel::Buttons& buttons);

    QGroupBox* group_ = nullptr;
    std::array<TAbColBitBtn*, Count> buttons_{};
};

}  // namespace brivel
