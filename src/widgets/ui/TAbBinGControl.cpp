#include "widgets/ui/TAbBinGControl.h"

#include <QtGui/QMouseEvent>

namespace brivel {

TAbBinGControl::TAbBinGControl(TAbFlashTimer& flashTimer, QWidget* parent, Mode mode)
    : TAbGraphicControl(flashTimer, parent), mode_(mode)
{
}

TAbBinGControl::~TAbBinGControl()
{
    if (TAbFlashTimer* timer = flashTimer())
        timer->unregister(this);
}

void TAbBinGControl::setChecked(bool checked)
{
    if (checked_ == checked)
        return;
    applyChecked(checked, true);
}

void TAbBinGControl::applyChecked(bool checked, bool updateWord)
{
    checked_ = checked;
    updateRegistration();
    if (updateWord) {
        const quint32 bit = quint32(1) << statusBit_;
        quint32 word = statusInt_;
        if (mode_ == mRadioButton && checked)
            word = bit;
        else if (checked)
            word |= bit;
        else
            word &= ~bit;
        if (word != statusInt_) {
            statusInt_ = word;
            emit statusIntChanged(statusInt_);
            // Keeps the group showing one word whichever way it was changed.
            shareWithGroup();
        }
    }
    lookChanged();
    emit statusChanged(checked_);
}

void TAbBinGControl::setMode(Mode mode)
{
    if (mode_ == mode)
        return;
    mode_ = mode;
    pressed_ = false;
}

void TAbBinGControl::setStatusInt(quint32 statusInt)
{
    applyStatusInt(statusInt, false);
}

void TAbBinGControl::applyStatusInt(quint32 statusInt, bool fromGroup)
{
    if (statusInt_ == statusInt)
        return;
    statusInt_ = statusInt;
    const bool checked = (statusInt_ >> statusBit_) & 1u;
    if (checked != checked_)
        applyChecked(checked, false);
    emit statusIntChanged(statusInt_);
    if (!fromGroup)
        shareWithGroup();
}

void TAbBinGControl::shareWithGroup()
{
    if (groupIndex_ == 0 || !parentWidget())
        return;
    const auto siblings =
        parentWidget()->findChildren<TAbBinGControl*>(QString(), Qt::FindDirectChildrenOnly);
    for (TAbBinGControl* other : siblings) {
        if (other != this && other->groupIndex_ == groupIndex_)
            other->applyStatusInt(statusInt_, true);
    }
}

void TAbBinGControl::setStatusBit(int bit)
{
    bit = qBound(0, bit, 31);
    if (statusBit_ == bit)
        return;
    statusBit_ = bit;
    const bool checked = (statusInt_ >> statusBit_) & 1u;
    if (checked != checked_)
        applyChecked(checked, false);
}

void TAbBinGControl::setGroupIndex(int groupIndex)
{
    groupIndex_ = groupIndex;
}

void TAbBinGControl::setFlashing(bool flashing)
{
    if (flashing_ == flashing)
        return;
    flashing_ = flashing;
    updateRegistration();
    lookChanged();
    emit statusChanged(checked_);
}

void TAbBinGControl::setFrequency(FlashFrequency frequency)
{
    if (frequency_ == frequency)
        return;
    frequency_ = frequency;
    if (flashingNow()) {
        updateRegistration();
        lookChanged();
    }
}

void TAbBinGControl::updateRegistration()
{
    TAbFlashTimer* timer = flashTimer();
    if (!timer)
        return;
    if (flashingNow())
        phase_ = timer->registerFlash(this, frequency_);
    else
        timer->unregister(this);
}

void TAbBinGControl::flashPhaseChanged(bool phase)
{
    if (phase_ == phase)
        return;
    phase_ = phase;
    lookChanged();
}

void TAbBinGControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        TAbGraphicControl::mousePressEvent(event);
        return;
    }
    pressed_ = true;
    // What the user asked for, whatever a listener of statusChanged() does
    // with the state meanwhile.
    const bool before = checked_;
    bool wanted = before;
    switch (mode_) {
        case mButton:
            wanted = true;
            setChecked(true);
            break;
        case mSwitch:
            wanted = !before;
            setChecked(wanted);
            break;
        case mRadioButton:
            wanted = true;
            setStatusInt(quint32(1) << statusBit_);
            break;
        case mIndicator:
            break;
    }
    if (wanted != before)
        emit checkedByUser(wanted);
    event->accept();
}

void TAbBinGControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !pressed_) {
        TAbGraphicControl::mouseReleaseEvent(event);
        return;
    }
    pressed_ = false;
    if (mode_ == mButton && checked_) {
        setChecked(false);
        emit checkedByUser(false);
    }
    event->accept();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

}  // namespace brivel
