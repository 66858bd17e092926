#include "widgets/ui/TAbSpinButton.h"

#include "widgets/ui/TAbTimerSpeedBtn.h"

#include <QtGui/QKeyEvent>

namespace brivel {

TAbSpinButton::TAbSpinButton(TAbFlashTimer& flashTimer, QWidget* parent)
    : TAbCustomControl(flashTimer, parent),
      up_(new TAbTimerSpeedBtn(flashTimer, TAbTimerSpeedBtn::Arrow::Up, this)),
      down_(new TAbTimerSpeedBtn(flashTimer, TAbTimerSpeedBtn::Arrow::Down, this))
{
    // The focus is given on a press by our own rule, not by the click.
    setFocusPolicy(Qt::TabFocus);
    setMinimumWidth(15);
    connect(up_, &TAbTimerSpeedBtn::pressed, this, &TAbSpinButton::takeFocus);
    connect(down_, &TAbTimerSpeedBtn::pressed, this, &TAbSpinButton::takeFocus);
    connect(up_, &TAbTimerSpeedBtn::clicked, this, &TAbSpinButton::upClick);
    connect(down_, &TAbTimerSpeedBtn::clicked, this, &TAbSpinButton::downClick);
    resize(sizeHint());
    relayout();
}

int TAbSpinButton::interval() const
{
    return up_->interval();
}

void TAbSpinButton::setInterval(int ms)
{
    up_->setInterval(ms);
    down_->setInterval(ms);
}

int TAbSpinButton::startDelay() const
{
    return up_->startDelay();
}

void TAbSpinButton::setStartDelay(int ms)
{
    up_->setStartDelay(ms);
    down_->setStartDelay(ms);
}

QPixmap TAbSpinButton::upGlyph() const
{
    return up_->glyph();
}
void TAbSpinButton::setUpGlyph(const QPixmap& glyph)
{
    up_->setGlyph(glyph);
}
QPixmap TAbSpinButton::downGlyph() const
{
    return down_->glyph();
}
void TAbSpinButton::setDownGlyph(const QPixmap& glyph)
{
    down_->setGlyph(glyph);
}

int TAbSpinButton::upNumGlyphs() const
{
    return up_->numGlyphs();
}
void TAbSpinButton::setUpNumGlyphs(int count)
{
    up_->setNumGlyphs(count);
}
int TAbSpinButton::downNumGlyphs() const
{
    return down_->numGlyphs();
}
void TAbSpinButton::setDownNumGlyphs(int count)
{
    down_->setNumGlyphs(count);
}

QSize TAbSpinButton::sizeHint() const
{
    return {25, 60};
}

QSize TAbSpinButton::minimumSizeHint() const
{
    return {15, 16};
}

void TAbSpinButton::updateLayout()
{
    const int w = std::max(15, width());
    const int half = height() / 2;
    up_->setGeometry(0, 0, w, half);
    down_->setGeometry(0, half, w, height() - half);
}

void TAbSpinButton::takeFocus()
{
    QWidget* control = focusControl_;
    if (control && control->isEnabled() && control->isVisible() &&
        control->focusPolicy() != Qt::NoFocus) {
        control->setFocus(Qt::MouseFocusReason);
        return;
    }
    if (focusPolicy() & Qt::TabFocus)
        setFocus(Qt::MouseFocusReason);
}

void TAbSpinButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up) {
        up_->click();
        event->accept();
    } else if (event->key() == Qt::Key_Down) {
        down_->click();
        event->accept();
    } else {
        TAbCustomControl::keyPressEvent(event);
    }
}

}  // namespace brivel
