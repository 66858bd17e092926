#pragma once

#include "link/LinkListener.h"

#include <QtCore/QObject>

#include <array>

class QGroupBox;
class QWidget;

namespace brivel {

class TAbColBitBtn;
class TAbFlashTimer;

// The group "aaa" of the left column: Cyl_0_led … Cyl_7_led, which show the
// cylinders running on gas. A disconnect greys them.
class CylinderButtons : public QObject, public LinkListener {
    Q_OBJECT
public:
    static constexpr int Count = 8;

    CylinderButtons(QWidget* panel, TAbFlashTimer& flashTimer);

    QGroupBox* group() const { return group_; }
    const std::array<TAbColBitBtn*, Count>& buttons() const { return buttons_; }

    // Off-colour grey and switched off.
    void greyOut();

    void linkDisconnected() override { greyOut(); }

private:
    QGroupBox* group_ = nullptr;
    std::array<TAbColBitBtn*, Count> buttons_{};
};

}  // namespace brivel
