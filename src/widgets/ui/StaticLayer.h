#pragma once

#include <QtGui/QPixmap>

#include <functional>

class QPainter;
class QWidget;

namespace brivel {

// A cached picture of the parts of a widget that change only with its size or
// settings (faces, scales, captions). Painted again only after invalidate()
// or when the widget's size or pixel ratio differs from the cached one.
class StaticLayer {
public:
    void invalidate() { valid_ = false; }
    bool isValid() const { return valid_; }

    const QPixmap& get(const QWidget& widget, const std::function<void(QPainter&)>& paint);

private:
    QPixmap pixmap_;
    bool valid_ = false;
};

}  // namespace brivel
