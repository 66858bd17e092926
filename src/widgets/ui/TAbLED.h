#pragma once

#include "widgets/ui/TAbBinGControl.h"

#include <QtGui/QPixmap>

namespace brivel {

class TLED;

// LED with a caption beside it. The on-look is the LED lit in LED.ColorOn,
// the off-look the LED dark in LED.ColorOff. A "|" in the caption starts a
// new line. Both looks of the LED are cached, so a flash only copies one.
class TAbLED : public TAbBinGControl {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(Position ledPosition READ ledPosition WRITE setLedPosition)
    Q_PROPERTY(int spacing READ spacing WRITE setSpacing)

public:
    enum Position { lpLeft, lpRight, lpTop, lpBottom };
    Q_ENUM(Position)

    explicit TAbLED(TAbFlashTimer& flashTimer, QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    // Where the LED sits relative to the caption.
    Position ledPosition() const { return position_; }
    void setLedPosition(Position position);
    int spacing() const { return spacing_; }
    void setSpacing(int spacing);

    TLED* led() const { return led_; }

    // After layout.
    QRect ledRect() const { return ledRect_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintStatic(QPainter& painter) override;
    void paintDynamic(QPainter& painter) override;
    void updateLayout() override;
    void lookChanged() override;
    void changeEvent(QEvent* event) override;

private:
    void configChanged();
    QSize captionSize() const;
    const QPixmap& ledPixmap(bool on);

    QString caption_;
    Position position_ = lpLeft;
    int spacing_ = 5;
    TLED* led_;
    QRect ledRect_;
    QRect captionRect_;
    QPixmap onLook_;
    QPixmap offLook_;
};

}  // namespace brivel
