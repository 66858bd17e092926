#pragma once

#include "widgets/ui/TAbCustomControl.h"

#include <QtCore/QPointer>
#include <QtGui/QPixmap>

namespace brivel {

class TAbTimerSpeedBtn;

// Up/down spin button: two auto-repeating halves. A short click fires
// upClick() or downClick() once; holding a half fires it after StartDelay,
// then about every Interval milliseconds, and once more at release. With the
// focus, the Up and Down arrow keys click the halves.
class TAbSpinButton : public TAbCustomControl {
    Q_OBJECT
    Q_PROPERTY(int interval READ interval WRITE setInterval)
    Q_PROPERTY(int startDelay READ startDelay WRITE setStartDelay)
    Q_PROPERTY(QPixmap upGlyph READ upGlyph WRITE setUpGlyph)
    Q_PROPERTY(QPixmap downGlyph READ downGlyph WRITE setDownGlyph)
    Q_PROPERTY(int upNumGlyphs READ upNumGlyphs WRITE setUpNumGlyphs)
    Q_PROPERTY(int downNumGlyphs READ downNumGlyphs WRITE setDownNumGlyphs)

public:
    explicit TAbSpinButton(TAbFlashTimer& flashTimer, QWidget* parent = nullptr);

    int interval() const;
    // Values below 50 ms are ignored.
    void setInterval(int ms);
    int startDelay() const;
    void setStartDelay(int ms);
    QPixmap upGlyph() const;
    void setUpGlyph(const QPixmap& glyph);
    QPixmap downGlyph() const;
    void setDownGlyph(const QPixmap& glyph);
    int upNumGlyphs() const;
    void setUpNumGlyphs(int count);
    int downNumGlyphs() const;
    void setDownNumGlyphs(int count);
    // Takes the focus when a half is pressed, if it can.
    QWidget* focusControl() const { return focusControl_; }
    void setFocusControl(QWidget* control) { focusControl_ = control; }

    TAbTimerSpeedBtn* upButton() const { return up_; }
    TAbTimerSpeedBtn* downButton() const { return down_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void upClick();
    void downClick();

protected:
    void updateLayout() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void takeFocus();

    TAbTimerSpeedBtn* up_;
    TAbTimerSpeedBtn* down_;
    QPointer<QWidget> focusControl_;
};

}  // namespace brivel
