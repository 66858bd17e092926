#pragma once

#include <QtCore/QPoint>
#include <QtWidgets/QWidget>

namespace brivel {

// PaintBox1: the transparent selection area laid over the map chart's plot.
// It draws nothing and only reports the mouse, in its own pixel columns.
class MapPaintBox : public QWidget {
    Q_OBJECT
public:
    explicit MapPaintBox(QWidget* parent);

signals:
    // `buttons` are the buttons down with the press, the pressed one
    // included; `modifiers` the keys held.
    void mouseDown(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint at);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace brivel
