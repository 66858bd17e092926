#include "widgets/ui/TAbAnalogCControl.h"

#include "widgets/ui/InstrumentPaint.h"
#include "widgets/ui/TAbAnalogGControl.h"
#include "widgets/ui/TAbSBevel.h"
#include "widgets/ui/TScaleSettings.h"
#include "widgets/TSignalSettings.h"

#include <QtGui/QKeyEvent>
#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>
#include <QtGui/QPolygon>
#include <QtGui/QWheelEvent>

#include <optional>

namespace brivel {

namespace {

constexpr int kTrench = 6;
constexpr int kPointer = 5;

struct KeyMapping {
    slidermath::Key key;
    TAbAnalogCControl::EnabledKey flag;
};

std::optional<KeyMapping> mapKey(int qtKey)
{
    using K = slidermath::Key;
    using C = TAbAnalogCControl;
    switch (qtKey) {
        case Qt::Key_PageUp:
            return KeyMapping{K::PageUp, C::_VK_PRIOR};
        case Qt::Key_PageDown:
            return KeyMapping{K::PageDown, C::_VK_NEXT};
        case Qt::Key_End:
            return KeyMapping{K::End, C::_VK_END};
        case Qt::Key_Home:
            return KeyMapping{K::Home, C::_VK_HOME};
        case Qt::Key_Left:
            return KeyMapping{K::Left, C::_VK_LEFT};
        case Qt::Key_Down:
            return KeyMapping{K::Down, C::_VK_DOWN};
        case Qt::Key_Up:
            return KeyMapping{K::Up, C::_VK_UP};
        case Qt::Key_Right:
            return KeyMapping{K::Right, C::_VK_RIGHT};
        default:
            return std::nullopt;
    }
}

}  // namespace

TAbAnalogCControl::TAbAnalogCControl(TAbFlashTimer& flashTimer, QWidget* parent,
                                     Qt::Orientation orientation, int buttonSize)
    : TAbCustomControl(flashTimer, parent),
      orientation_(orientation),
      signal_(new TSignalSettings(this)),
      scale_(new TScaleSettings(this)),
      bevelOuter_(new TAbSBevel(this)),
      buttonSize_(std::max(kMinButtonSize, buttonSize)),
      cursorSlide_(orientation == Qt::Horizontal ? Qt::SizeHorCursor : Qt::SizeVerCursor)
{
    bevelOuter_->setStyle(TAbSBevel::bsRaised);
    value_ = float(slidermath::valueForDigit(signal_->range(), digit_));
    connect(signal_, &TSignalSettings::changed, this, &TAbAnalogCControl::onSignalSettingsChanged);
    connect(scale_, &TScaleSettings::changed, this, [this] { settingsUpdated(); });
    connect(bevelOuter_, &TAbSBevel::changed, this, [this] { settingsUpdated(); });
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TAbAnalogCControl::~TAbAnalogCControl() = default;

QString TAbAnalogCControl::valueText() const
{
    return signal_->format(value_);
}

void TAbAnalogCControl::setValue(float value)
{
    if (value == value_)
        return;
    applyDigit(slidermath::digitForValue(signal_->range(), value));
}

void TAbAnalogCControl::setDigit(int digit)
{
    applyDigit(digit);
}

void TAbAnalogCControl::applyDigit(int digit)
{
    digit = slidermath::clampDigit(signal_->range(), digit);
    if (digit == digit_)
        return;
    const int oldDigit = digit_;
    digit_ = digit;
    value_ = float(slidermath::valueForDigit(signal_->range(), digit_));
    if (indicator_)
        indicator_->setValue(value_);
    repaintGrip(oldDigit);
    changed_ = true;
    emit valueChanged(value_);
}

void TAbAnalogCControl::reportChange()
{
    if (!changed_)
        return;
    changed_ = false;
    emit valueCommitted(value_);
}

void TAbAnalogCControl::onSignalSettingsChanged()
{
    // A new range keeps the step (clamped into it) and recomputes its value;
    // that is configuration, not a change to report.
    digit_ = slidermath::clampDigit(signal_->range(), digit_);
    value_ = float(slidermath::valueForDigit(signal_->range(), digit_));
    if (indicator_) {
        indicator_->signalSettings()->assign(*signal_);
        indicator_->setValue(value_);
    }
    settingsUpdated();
}

void TAbAnalogCControl::setValueIndicator(TAbAnalogGControl* indicator)
{
    if (indicator_ == indicator)
        return;
    indicator_ = indicator;
    if (indicator_) {
        indicator_->signalSettings()->assign(*signal_);
        indicator_->setValue(value_);
    }
}

void TAbAnalogCControl::setButtonSize(int size)
{
    size = std::max(kMinButtonSize, size);
    if (buttonSize_ == size)
        return;
    buttonSize_ = size;
    settingsUpdated();
}

void TAbAnalogCControl::setColorFocus(const QColor& color)
{
    if (colorFocus_ == color)
        return;
    colorFocus_ = color;
    update();
}

void TAbAnalogCControl::setColorNonFocus(const QColor& color)
{
    if (colorNonFocus_ == color)
        return;
    colorNonFocus_ = color;
    update();
}

void TAbAnalogCControl::setColorTrench(const QColor& color)
{
    if (colorTrench_ == color)
        return;
    colorTrench_ = color;
    invalidateStatic();
}

QColor TAbAnalogCControl::gripColor() const
{
    if (!isEnabled())
        return palette().color(QPalette::Dark);
    return hasFocus() ? colorFocus_ : colorNonFocus_;
}

double TAbAnalogCControl::offsetOfDigit(int digit) const
{
    const int d = signal_->digitalSpan();
    if (d == 0)
        return 0.0;
    return double(trackLength_) * (digit - signal_->digitalFrom()) / d;
}

QPoint TAbAnalogCControl::gripCentreFor(int digit) const
{
    const int along = int(offsetOfDigit(digit) + 0.5);
    const int cross = (gripCrossFrom_ + gripCrossTo_) / 2;
    return orientation_ == Qt::Horizontal ? QPoint(trackStart_ + along, cross)
                                          : QPoint(cross, trackStart_ - along);
}

QRect TAbAnalogCControl::gripRectFor(int digit) const
{
    const QPoint c = gripCentreFor(digit);
    const int len = std::min(buttonSize_, std::max(kMinButtonSize, width()));
    const int from = (orientation_ == Qt::Horizontal ? c.x() : c.y()) - len / 2;
    if (orientation_ == Qt::Horizontal)
        return QRect(from, gripCrossFrom_, len, gripCrossTo_ - gripCrossFrom_ + 1);
    return QRect(gripCrossFrom_, from, gripCrossTo_ - gripCrossFrom_ + 1, len);
}

double TAbAnalogCControl::trackOffsetAt(const QPoint& point) const
{
    return orientation_ == Qt::Horizontal ? double(point.x() - trackStart_)
                                          : double(trackStart_ - point.y());
}

bool TAbAnalogCControl::onGrip(const QPoint& point) const
{
    const int cross = orientation_ == Qt::Horizontal ? point.y() : point.x();
    if (cross < gripCrossFrom_ || cross > gripCrossTo_)
        return false;
    return slidermath::inGripBand(offsetOfDigit(digit_), trackOffsetAt(point), buttonSize_);
}

bool TAbAnalogCControl::onTrack(const QPoint& point) const
{
    const int cross = orientation_ == Qt::Horizontal ? point.y() : point.x();
    if (cross < gripCrossFrom_ || cross > gripCrossTo_)
        return false;
    const double offset = trackOffsetAt(point);
    const double half = buttonSize_ / 2.0;
    return offset >= -half && offset <= trackLength_ + half;
}

QPoint TAbAnalogCControl::at(int along, int across) const
{
    return orientation_ == Qt::Horizontal ? QPoint(along, across) : QPoint(across, along);
}

QMargins TAbAnalogCControl::gripMargins() const
{
    const int pointer = kPointer + 2;
    if (orientation_ == Qt::Horizontal)
        return scaleBefore_ ? QMargins(0, pointer, 0, 0) : QMargins(0, 0, 0, pointer);
    return scaleBefore_ ? QMargins(pointer, 0, 0, 0) : QMargins(0, 0, pointer, 0);
}

void TAbAnalogCControl::paintTrench(QPainter& painter) const
{
    const int across = (gripCrossFrom_ + gripCrossTo_) / 2;
    // The track's first pixel along the screen axis: its left, or its top.
    const int first = orientation_ == Qt::Horizontal ? trackStart_ : trackStart_ - trackLength_;
    const QRect trench(at(first - kTrench / 2, across - kTrench / 2),
                       at(first + trackLength_ + kTrench / 2 - 1, across + kTrench / 2 - 1));
    painter.fillRect(trench, colorTrench());
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(trench.topLeft(), trench.topRight());
    painter.drawLine(trench.topLeft(), trench.bottomLeft());
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(trench.bottomLeft(), trench.bottomRight());
    painter.drawLine(trench.topRight(), trench.bottomRight());
}

void TAbAnalogCControl::paintGrip(QPainter& painter) const
{
    const QRect grip = gripRect();
    const QColor face = gripColor();
    const bool horizontal = orientation_ == Qt::Horizontal;
    paint::drawButton(painter, grip, face, 2, false);
    paint::drawGrooves(painter, grip.adjusted(2, 2, -2, -2), horizontal, face);

    // The pointer on the scale side marks the exact place.
    const int along = horizontal ? grip.center().x() : grip.center().y();
    const int edge = horizontal ? (scaleBefore_ ? grip.top() - 1 : grip.bottom() + 1)
                                : (scaleBefore_ ? grip.left() - 1 : grip.right() + 1);
    const int tip = scaleBefore_ ? edge - kPointer : edge + kPointer;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(scaleSettings()->pointerColor());
    painter.drawPolygon(
        QPolygon({at(along - kPointer, edge), at(along + kPointer, edge), at(along, tip)}));
    painter.restore();

    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(grip.adjusted(3, 3, -4, -4));
    }
}

void TAbAnalogCControl::repaintGrip(int oldDigit)
{
    const QMargins m = gripMargins() + QMargins(1, 1, 1, 1);
    QRegion dirty =
        QRegion(gripRectFor(oldDigit).marginsAdded(m)) + gripRectFor(digit_).marginsAdded(m);
    if (!valueArea().isEmpty())
        dirty += valueArea();
    update(dirty);
}

void TAbAnalogCControl::keyPressEvent(QKeyEvent* event)
{
    const std::optional<KeyMapping> mapped = mapKey(event->key());
    if (!enableKeyboard_ || !mapped || !(enabledKeys_ & mapped->flag)) {
        TAbCustomControl::keyPressEvent(event);
        return;
    }
    applyDigit(slidermath::digitAfterKey(signal_->range(), digit_, mapped->key, changeSmall_,
                                         changeLarge_));
    event->accept();
}

void TAbAnalogCControl::keyReleaseEvent(QKeyEvent* event)
{
    // Auto-repeat sends releases while the key is still held.
    if (!event->isAutoRepeat())
        reportChange();
    TAbCustomControl::keyReleaseEvent(event);
}

void TAbAnalogCControl::wheelEvent(QWheelEvent* event)
{
    wheelRemainder_ += event->angleDelta().y();
    const int notches = wheelRemainder_ / QWheelEvent::DefaultDeltasPerStep;
    wheelRemainder_ -= notches * QWheelEvent::DefaultDeltasPerStep;
    if (notches != 0) {
        applyDigit(slidermath::clampDigit(signal_->range(),
                                          qint64(digit_) + qint64(notches) * changeSmall_));
        // No button or key release follows a wheel notch; report it now, or the
        // change would wait for an unrelated click.
        if (!dragging_)
            reportChange();
    }
    event->accept();
}

void TAbAnalogCControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        TAbCustomControl::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const QPoint pos = event->position().toPoint();
    if (onGrip(pos) || (enableMouseJump_ && onTrack(pos))) {
        dragging_ = true;
        applyDigit(
            slidermath::digitAtTrackOffset(signal_->range(), trackOffsetAt(pos), trackLength_));
    }
    event->accept();
}

void TAbAnalogCControl::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (dragging_) {
        applyDigit(
            slidermath::digitAtTrackOffset(signal_->range(), trackOffsetAt(pos), trackLength_));
    } else if (onGrip(pos)) {
        setCursor(cursorSlide_);
    } else {
        unsetCursor();
    }
    event->accept();
}

void TAbAnalogCControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        TAbCustomControl::mouseReleaseEvent(event);
        return;
    }
    const bool wasDragging = dragging_;
    dragging_ = false;
    // A drag is finished wherever the button comes up: the grip follows the
    // pointer past the ends of the track, so overshooting is normal.
    if (wasDragging || rect().contains(event->position().toPoint()))
        reportChange();
    event->accept();
}

void TAbAnalogCControl::focusInEvent(QFocusEvent* event)
{
    TAbCustomControl::focusInEvent(event);
    update(gripRect().marginsAdded(gripMargins()));
}

void TAbAnalogCControl::focusOutEvent(QFocusEvent* event)
{
    TAbCustomControl::focusOutEvent(event);
    update(gripRect().marginsAdded(gripMargins()));
}

void TAbAnalogCControl::changeEvent(QEvent* event)
{
    TAbCustomControl::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        dragging_ = false;
        update();
    } else if (event->type() == QEvent::FontChange) {
        settingsUpdated();
    }
}

}  // namespace brivel
