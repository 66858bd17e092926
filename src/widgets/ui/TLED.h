#pragma once

#include <QtCore/QObject>
#include <QtGui/QColor>

namespace brivel {

// Shape, size and colours of an LED.
class TLED final : public QObject {
    Q_OBJECT
    Q_PROPERTY(Shape shape READ shape WRITE setShape NOTIFY changed)
    Q_PROPERTY(QColor colorOn READ colorOn WRITE setColorOn NOTIFY changed)
    Q_PROPERTY(QColor colorOff READ colorOff WRITE setColorOff NOTIFY changed)
    Q_PROPERTY(int width READ width WRITE setWidth NOTIFY changed)
    Q_PROPERTY(int height READ height WRITE setHeight NOTIFY changed)

public:
    enum Shape { sRound, sArrowLeft, sArrowRight, sArrowUp, sArrowDown, sRectangle };
    Q_ENUM(Shape)

    explicit TLED(QObject* parent = nullptr);

    Shape shape() const { return shape_; }
    void setShape(Shape shape);
    QColor colorOn() const { return colorOn_; }
    void setColorOn(const QColor& colorOn);
    QColor colorOff() const { return colorOff_; }
    void setColorOff(const QColor& colorOff);
    int width() const { return width_; }
    void setWidth(int width);
    int height() const { return height_; }
    void setHeight(int height);

signals:
    void changed();

private:
    Shape shape_ = sRound;
    QColor colorOn_ = QColor(0, 255, 0);
    QColor colorOff_{};
    int width_ = 13;
    int height_ = 13;
};

}  // namespace brivel
