#pragma once

#include "widgets/SliderMath.h"
#include "widgets/ui/TAbAnalogGControl.h"
#include "widgets/ui/TAbCustomControl.h"

#include <QtCore/QPointer>
#include <QtGui/QCursor>

namespace brivel {

class TAbSBevel;
class TScaleSettings;
class TSignalSettings;

// Analog input along a track: the value always lies on a step of the digital
// range. Keys, the mouse wheel and dragging the grip move it; every change,
// by the user or the program, fires valueChanged() and marks the change as not
// yet reported. valueCommitted() reports it when the user has finished: on
// the release of a key, or of the mouse button after a drag or over the
// control. A wheel notch is a finished change in itself. Only the user's
// input commits: a value the program sets is committed by the next release,
// as the fitter's confirmation of what the slider shows.
//
// A linked read-out (ValueIndicator) takes over the signal settings and
// follows every change.
class TAbAnalogCControl : public TAbCustomControl {
    Q_OBJECT
    Q_PROPERTY(float value READ value WRITE setValue NOTIFY valueChanged)
    Q_PROPERTY(int digit READ digit WRITE setDigit)
    Q_PROPERTY(int changeSmall READ changeSmall WRITE setChangeSmall)
    Q_PROPERTY(int changeLarge READ changeLarge WRITE setChangeLarge)
    Q_PROPERTY(bool enableKeyboard READ enableKeyboard WRITE setEnableKeyboard)
    Q_PROPERTY(EnabledKeys enabledKeys READ enabledKeys WRITE setEnabledKeys)
    Q_PROPERTY(bool enableMouseJump READ enableMouseJump WRITE setEnableMouseJump)
    Q_PROPERTY(int buttonSize READ buttonSize WRITE setButtonSize)
    Q_PROPERTY(QColor colorFocus READ colorFocus WRITE setColorFocus)
    Q_PROPERTY(QColor colorNonFocus READ colorNonFocus WRITE setColorNonFocus)
    Q_PROPERTY(QColor colorTrench READ colorTrench WRITE setColorTrench)
    Q_PROPERTY(QCursor cursorSlide READ cursorSlide WRITE setCursorSlide)

public:
    enum EnabledKey {
        _VK_PRIOR = 0x01,
        _VK_NEXT = 0x02,
        _VK_END = 0x04,
        _VK_HOME = 0x08,
        _VK_LEFT = 0x10,
        _VK_DOWN = 0x20,
        _VK_UP = 0x40,
        _VK_RIGHT = 0x80,
    };
    Q_DECLARE_FLAGS(EnabledKeys, EnabledKey)
    Q_FLAG(EnabledKeys)

    static constexpr int kMinButtonSize = 18;

    ~TAbAnalogCControl() override;

    float value() const { return value_; }
    // Clamped to the value range and snapped to the nearest step; a value
    // whose step is the current one changes nothing.
    void setValue(float value);
    int digit() const { return digit_; }
    void setDigit(int digit);
    QString valueText() const;

    int changeSmall() const { return changeSmall_; }
    void setChangeSmall(int steps) { changeSmall_ = steps; }
    int changeLarge() const { return changeLarge_; }
    void setChangeLarge(int steps) { changeLarge_ = steps; }
    bool enableKeyboard() const { return enableKeyboard_; }
    void setEnableKeyboard(bool enable) { enableKeyboard_ = enable; }
    EnabledKeys enabledKeys() const { return enabledKeys_; }
    void setEnabledKeys(EnabledKeys keys) { enabledKeys_ = keys; }
    bool enableMouseJump() const { return enableMouseJump_; }
    void setEnableMouseJump(bool enable) { enableMouseJump_ = enable; }
    // Length of the grip along the track: at least 18 pixels, at most the
    // control's width.
    int buttonSize() const { return buttonSize_; }
    void setButtonSize(int size);
    QColor colorFocus() const { return colorFocus_; }
    void setColorFocus(const QColor& color);
    QColor colorNonFocus() const { return colorNonFocus_; }
    void setColorNonFocus(const QColor& color);
    QColor colorTrench() const { return colorTrench_; }
    void setColorTrench(const QColor& color);
    QCursor cursorSlide() const { return cursorSlide_; }
    void setCursorSlide(const QCursor& cursor) { cursorSlide_ = cursor; }

    TSignalSettings* signalSettings() const { return signal_; }
    TScaleSettings* scaleSettings() const { return scale_; }
    TAbSBevel* bevelOuter() const { return bevelOuter_; }

    TAbAnalogGControl* valueIndicator() const { return indicator_; }
    void setValueIndicator(TAbAnalogGControl* indicator);

    // A change made since the last valueCommitted().
    bool hasUnreportedChange() const { return changed_; }

    // The grip's colour now: ColorFocus with the focus, ColorNonFocus
    // without, the button-shadow colour while disabled.
    QColor gripColor() const;

    // Geometry after layout.
    QRect gripRect() const { return gripRectFor(digit_); }
    // Centre of the grip for a step, in widget coordinates.
    QPoint gripCentreFor(int digit) const;

signals:
    // After every change of the value, by the user or the program.
    void valueChanged(float value);
    // The user has finished a change: the value to act on. A change the
    // program made is reported by the user's next release.
    void valueCommitted(float value);

protected:
    TAbAnalogCControl(TAbFlashTimer& flashTimer, QWidget* parent, Qt::Orientation orientation,
                      int buttonSize);

    // Subclasses set these in updateLayout(): where the DigitalFrom end of
    // the track lies (x of a horizontal, y of a vertical slider), the
    // track's length, and the grip's extent across the track.
    int trackStart_ = 0;
    int trackLength_ = 1;
    int gripCrossFrom_ = 0;
    int gripCrossTo_ = 0;

    QRect gripRectFor(int digit) const;
    // Distance of a point from the DigitalFrom end, along the track.
    double trackOffsetAt(const QPoint& point) const;
    double offsetOfDigit(int digit) const;
    // Whether the scale lies before the track (left of a vertical, above a
    // horizontal slider); subclasses set it in updateLayout().
    bool scaleBefore_ = false;

    // The area a value change repaints besides the grips (the value box).
    virtual QRect valueArea() const { return {}; }
    virtual void settingsUpdated() { relayout(); }

    // The trench the grip runs in, and the grip with its pointer on the
    // scale's side and the focus mark: the same for both sliders.
    void paintTrench(QPainter& painter) const;
    void paintGrip(QPainter& painter) const;

    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void applyDigit(int digit);
    void reportChange();
    void onSignalSettingsChanged();
    bool onGrip(const QPoint& point) const;
    bool onTrack(const QPoint& point) const;
    void repaintGrip(int oldDigit);
    // Extra pixels around the grip that are drawn with it (its pointer).
    QMargins gripMargins() const;
    // A point given along the track and across it.
    QPoint at(int along, int across) const;

    Qt::Orientation orientation_;
    TSignalSettings* signal_;
    TScaleSettings* scale_;
    TAbSBevel* bevelOuter_;
    QPointer<TAbAnalogGControl> indicator_;

    float value_ = 0.0f;
    int digit_ = 0;
    bool changed_ = false;
    bool dragging_ = false;
    int wheelRemainder_ = 0;

    int changeSmall_ = 1;
    int changeLarge_ = 10;
    bool enableKeyboard_ = true;
    EnabledKeys enabledKeys_ = EnabledKeys(0xFF);
    bool enableMouseJump_ = true;
    int buttonSize_;
    QColor colorFocus_{0, 255, 0};
    QColor colorNonFocus_{0, 128, 0};
    QColor colorTrench_{0, 128, 0};
    QCursor cursorSlide_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TAbAnalogCControl::EnabledKeys)

}  // namespace brivel
