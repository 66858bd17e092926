#pragma once

#include <QtCore/QObject>
#include <QtGui/QColor>

namespace brivel {

// The pointer of a round meter: its style number and the colours of the
// needle, its centre disc and the cap on top.
class TArrowSettings final : public QObject {
    Q_OBJECT
    Q_PROPERTY(int shape READ shape WRITE setShape NOTIFY changed)
    Q_PROPERTY(QColor colorPen READ colorPen WRITE setColorPen NOTIFY changed)
    Q_PROPERTY(QColor colorBrush READ colorBrush WRITE setColorBrush NOTIFY changed)
    Q_PROPERTY(QColor centerColorPen READ centerColorPen WRITE setCenterColorPen NOTIFY changed)
    Q_PROPERTY(
        QColor centerColorBrush READ centerColorBrush WRITE setCenterColorBrush NOTIFY changed)
    Q_PROPERTY(QColor capColorPen READ capColorPen WRITE setCapColorPen NOTIFY changed)
    Q_PROPERTY(QColor capColorBrush READ capColorBrush WRITE setCapColorBrush NOTIFY changed)

public:
    explicit TArrowSettings(QObject* parent = nullptr);

    int shape() const { return shape_; }
    void setShape(int shape);
    QColor colorPen() const { return colorPen_; }
    void setColorPen(const QColor& colorPen);
    QColor colorBrush() const { return colorBrush_; }
    void setColorBrush(const QColor& colorBrush);
    QColor centerColorPen() const { return centerColorPen_; }
    void setCenterColorPen(const QColor& centerColorPen);
    QColor centerColorBrush() const { return centerColorBrush_; }
    void setCenterColorBrush(const QColor& centerColorBrush);
    QColor capColorPen() const { return capColorPen_; }
    void setCapColorPen(const QColor& capColorPen);
    QColor capColorBrush() const { return capColorBrush_; }
    void setCapColorBrush(const QColor& capColorBrush);

signals:
    void changed();

private:
    int shape_ = 0;
    QColor colorPen_ = QColor(0, 0, 0);
    QColor colorBrush_ = QColor(255, 0, 0);
    QColor centerColorPen_ = QColor(0, 0, 0);
    QColor centerColorBrush_ = QColor(64, 64, 64);
    QColor capColorPen_ = QColor(0, 0, 0);
    QColor capColorBrush_ = QColor(192, 192, 192);
};

}  // namespace brivel
