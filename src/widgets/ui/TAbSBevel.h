#pragma once

#include <QtCore/QObject>
#include <QtCore/QRect>
#include <QtGui/QColor>

class QPainter;

namespace brivel {

// A 3-D frame: lowered or raised, an outer line, an inner line (drawn the
// other way round) or both, `width` pixels each, `spacing` pixels of surface
// between the frame and the content, and the surface colour, optionally as a
// gentle gradient.
class TAbSBevel final : public QObject {
    Q_OBJECT
    Q_PROPERTY(Style style READ style WRITE setStyle NOTIFY changed)
    Q_PROPERTY(Lines lines READ lines WRITE setLines NOTIFY changed)
    Q_PROPERTY(int width READ width WRITE setWidth NOTIFY changed)
    Q_PROPERTY(int spacing READ spacing WRITE setSpacing NOTIFY changed)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY changed)
    Q_PROPERTY(QColor colorHighlight READ colorHighlight WRITE setColorHighlight NOTIFY changed)
    Q_PROPERTY(QColor colorShadow READ colorShadow WRITE setColorShadow NOTIFY changed)
    Q_PROPERTY(bool surfaceGradient READ surfaceGradient WRITE setSurfaceGradient NOTIFY changed)

public:
    enum Style { bsLowered, bsRaised };
    Q_ENUM(Style)
    enum Lines { blNone, blOuter, blInner, blBoth };
    Q_ENUM(Lines)

    explicit TAbSBevel(QObject* parent = nullptr);

    Style style() const { return style_; }
    void setStyle(Style style);
    Lines lines() const { return lines_; }
    void setLines(Lines lines);
    int width() const { return width_; }
    void setWidth(int width);
    int spacing() const { return spacing_; }
    void setSpacing(int spacing);
    QColor color() const { return color_; }
    void setColor(const QColor& color);
    QColor colorHighlight() const { return colorHighlight_; }
    void setColorHighlight(const QColor& colorHighlight);
    QColor colorShadow() const { return colorShadow_; }
    void setColorShadow(const QColor& colorShadow);
    bool surfaceGradient() const { return surfaceGradient_; }
    void setSurfaceGradient(bool surfaceGradient);

    // Pixels the frame lines take on each side; with the spacing.
    int frameWidth() const;
    int inset() const { return frameWidth() + spacing_; }
    QRect contentRect(const QRect& outer) const;
    // Draws the frame into `outer` and, when `fill`, the surface inside it.
    void paint(QPainter& painter, const QRect& outer, bool fill = true) const;

signals:
    void changed();

private:
    Style style_ = bsLowered;
    Lines lines_ = blOuter;
    int width_ = 1;
    int spacing_ = 0;
    QColor color_{};
    QColor colorHighlight_ = QColor(255, 255, 255);
    QColor colorShadow_ = QColor(128, 128, 128);
    bool surfaceGradient_ = false;
};

}  // namespace brivel
