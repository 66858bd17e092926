#pragma once

#include "widgets/ui/TAbSwitch.h"

namespace brivel {

// Two-position toggle switch. The face is filled with ColorOn while checked
// and ColorOff otherwise; a grooved knob covers the left (top) half while
// checked and the right (bottom) half otherwise, SwapGraphic exchanging the
// sides; the uncovered half shows TextOn or TextOff.
class TAbToggleSwitch : public TAbSwitch {
    Q_OBJECT
    Q_PROPERTY(Orientation orientation READ orientation WRITE setOrientation)
    Q_PROPERTY(QColor colorOn READ colorOn WRITE setColorOn)
    Q_PROPERTY(QColor colorOff READ colorOff WRITE setColorOff)
    Q_PROPERTY(QColor btnColorFace READ btnColorFace WRITE setBtnColorFace)
    Q_PROPERTY(QColor btnColorHighlight READ btnColorHighlight WRITE setBtnColorHighlight)
    Q_PROPERTY(QColor btnColorShadow READ btnColorShadow WRITE setBtnColorShadow)
    Q_PROPERTY(int btnBevelWidth READ btnBevelWidth WRITE setBtnBevelWidth)
    Q_PROPERTY(QString textOn READ textOn WRITE setTextOn)
    Q_PROPERTY(QString textOff READ textOff WRITE setTextOff)
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor)
    Q_PROPERTY(bool swapGraphic READ swapGraphic WRITE setSwapGraphic)

public:
    enum Orientation { boHorizontal, boVertical };
    Q_ENUM(Orientation)

    explicit TAbToggleSwitch(TAbFlashTimer& flashTimer, QWidget* parent = nullptr);

    Orientation orientation() const { return orientation_; }
    void setOrientation(Orientation orientation);
    QColor colorOn() const { return colorOn_; }
    void setColorOn(const QColor& color);
    QColor colorOff() const { return colorOff_; }
    void setColorOff(const QColor& color);
    QColor btnColorFace() const { return btnFace_; }
    void setBtnColorFace(const QColor& color);
    QColor btnColorHighlight() const { return btnHighlight_; }
    void setBtnColorHighlight(const QColor& color);
    QColor btnColorShadow() const { return btnShadow_; }
    void setBtnColorShadow(const QColor& color);
    int btnBevelWidth() const { return btnBevelWidth_; }
    void setBtnBevelWidth(int width);
    QString textOn() const { return textOn_; }
    void setTextOn(const QString& text);
    QString textOff() const { return textOff_; }
    void setTextOff(const QString& text);
    QColor textColor() const { return textColor_; }
    void setTextColor(const QColor& color);
    bool swapGraphic() const { return swapGraphic_; }
    void setSwapGraphic(bool swap);

    // After layout: the half the knob covers and the half with the text.
    QRect knobRect() const;
    QRect textRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintDynamic(QPainter& painter) override;

private:
    template <typename T>
    void assign(T& member, const T& value)
    {
        if (member == value)
            return;
        member = value;
        update();
    }
    // Whether the knob is on the left (top) half.
    bool knobFirst() const { return showsOnLook() != swapGraphic_; }
    QRect half(bool first) const;

    Orientation orientation_ = boHorizontal;
    QColor colorOn_{0, 255, 0};
    QColor colorOff_{255, 0, 0};
    QColor btnFace_;
    QColor btnHighlight_{255, 255, 255};
    QColor btnShadow_{128, 128, 128};
    int btnBevelWidth_ = 2;
    QString textOn_;
    QString textOff_;
    QColor textColor_{0, 0, 0};
    bool swapGraphic_ = false;
};

}  // namespace brivel
