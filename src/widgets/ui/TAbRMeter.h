#pragma once

#include "widgets/ui/TAbAnalogGControl.h"

#include <QtCore/QRectF>
#include <QtGui/QFont>

namespace brivel {

class TArrowSettings;
class TScaleSettings;

// Round meter: a dial face with a scale of labelled divisions and minor ticks,
// an optional coloured sector band inside the scale, the unit and names, and a
// pointer. The face is cached; a new value repaints only the pointer's area.
//
// The scale runs clockwise from `startAngle` over `sweepAngle` degrees, both
// measured clockwise from twelve o'clock.
class TAbRMeter : public TAbAnalogGControl {
    Q_OBJECT
    Q_PROPERTY(Options options READ options WRITE setOptions)
    Q_PROPERTY(QFont fontUnit READ fontUnit WRITE setFontUnit)
    Q_PROPERTY(QColor faceColor READ faceColor WRITE setFaceColor)

public:
    enum Option {
        opSector = 0x1,
        opUnit = 0x2,
        opName1 = 0x4,
        opName2 = 0x8,
        opMinMax = 0x10,
    };
    Q_DECLARE_FLAGS(Options, Option)
    Q_FLAG(Options)

    explicit TAbRMeter(TAbFlashTimer& flashTimer, QWidget* parent = nullptr);

    Options options() const { return options_; }
    void setOptions(Options options);
    QFont fontUnit() const { return fontUnit_; }
    void setFontUnit(const QFont& font);
    QColor faceColor() const { return faceColor_; }
    void setFaceColor(const QColor& color);

    TScaleSettings* scaleSettings() const { return scale_; }
    TArrowSettings* arrowSettings() const { return arrow_; }

    double startAngle() const { return startAngle_; }
    double sweepAngle() const { return sweepAngle_; }
    // Direction of the pointer, clockwise from twelve o'clock, for a position
    // in per-mille (clamped to the scale).
    double pointerAngle(int permille) const;
    // Where the pointer stands now.
    double pointerAngle() const { return pointerAngle(drawnPosition()); }

    // Geometry after layout: the scale circle and the ring of the sector
    // band (empty rectangles when the band has no room).
    QRectF sectorOuterRect() const;
    QRectF sectorInnerRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    TAbRMeter(TAbFlashTimer& flashTimer, QWidget* parent, double startAngle, double sweepAngle);

    void paintStatic(QPainter& painter) override;
    void paintDynamic(QPainter& painter) override;
    void updateLayout() override;
    void valueUpdated(int oldDrawnPosition, const QString& oldText) override;

private:
    void configChanged();
    QRect pointerBounds(int permille) const;
    void paintSectorBand(QPainter& painter) const;
    void paintScale(QPainter& painter) const;
    void paintPointer(QPainter& painter, double angle) const;
    void paintMinMax(QPainter& painter) const;

    double startAngle_;
    double sweepAngle_;
    Options options_ = Options(opSector | opUnit | opName1);
    QFont fontUnit_;
    QColor faceColor_{250, 250, 244};
    TScaleSettings* scale_;
    TArrowSettings* arrow_;

    QPointF centre_;
    double radius_ = 0;  // outer rim
    QRectF scaleRect_;
    QRect namesRect_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TAbRMeter::Options)

}  // namespace brivel
