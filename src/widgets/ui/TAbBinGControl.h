#pragma once

#include "widgets/TAbFlashTimer.h"
#include "widgets/ui/TAbGraphicControl.h"

namespace brivel {

// On/off display: the checked state, mirrored in one bit of a 32-bit status
// word, the mode that says what the mouse does, and flashing.
//
// While checked and flashing the widget is registered with the flash timer
// and alternates between its on-look and off-look with the phase of its
// frequency, in step with every other widget of that frequency. Otherwise it
// shows the on-look while checked and the off-look when not.
//
// Widgets with the same non-zero group index and the same parent share their
// status word: a change of one is handed to the others (one level deep).
class TAbBinGControl : public TAbGraphicControl, private TAbFlashTimer::Client {
    Q_OBJECT
    Q_PROPERTY(bool checked READ isChecked WRITE setChecked NOTIFY statusChanged)
    Q_PROPERTY(Mode mode READ mode WRITE setMode)
    Q_PROPERTY(quint32 statusInt READ statusInt WRITE setStatusInt NOTIFY statusIntChanged)
    Q_PROPERTY(int statusBit READ statusBit WRITE setStatusBit)
    Q_PROPERTY(int groupIndex READ groupIndex WRITE setGroupIndex)
    Q_PROPERTY(bool flashing READ isFlashing WRITE setFlashing)

public:
    enum Mode { mButton, mSwitch, mIndicator, mRadioButton };
    Q_ENUM(Mode)

    ~TAbBinGControl() override;

    bool isChecked() const { return checked_; }
    void setChecked(bool checked);
    Mode mode() const { return mode_; }
    void setMode(Mode mode);
    quint32 statusInt() const { return statusInt_; }
    void setStatusInt(quint32 statusInt);
    int statusBit() const { return statusBit_; }
    // 0..31; the checked state is read again from the status word.
    void setStatusBit(int bit);
    int groupIndex() const { return groupIndex_; }
    void setGroupIndex(int groupIndex);
    bool isFlashing() const { return flashing_; }
    void setFlashing(bool flashing);
    FlashFrequency frequency() const { return frequency_; }
    void setFrequency(FlashFrequency frequency);

    // The phase shown while flashing (true: on-look).
    bool flashPhase() const { return phase_; }
    // Whether the widget shows its on-look now.
    bool showsOnLook() const { return checked_ && (!flashingNow() || phase_); }
    // Checked, flashing, and in the off half of the flash period.
    bool inFlashOffPhase() const { return flashingNow() && !phase_; }

signals:
    // A click with the left button, in every mode.
    void clicked();
    // After every change of Checked or Flashing, by the user or the program;
    // `checked` is the state now.
    void statusChanged(bool checked);
    void statusIntChanged(quint32 statusInt);
    // The user's press or release changed Checked (switch, button and radio
    // modes); a change the program makes never fires it.
    void checkedByUser(bool checked);

protected:
    TAbBinGControl(TAbFlashTimer& flashTimer, QWidget* parent, Mode mode = mIndicator);

    // The look changed (state or flash phase); the default repaints all.
    virtual void lookChanged() { update(); }

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void flashPhaseChanged(bool phase) override;
    bool flashingNow() const { return checked_ && flashing_; }
    void updateRegistration();
    // Stores the word; `fromGroup` for words handed over by a group member,
    // which are not handed on again.
    void applyStatusInt(quint32 statusInt, bool fromGroup);
    void applyChecked(bool checked, bool updateWord);
    void shareWithGroup();

    bool checked_ = false;
    Mode mode_;
    quint32 statusInt_ = 0;
    int statusBit_ = 0;
    int groupIndex_ = 0;
    bool flashing_ = false;
    FlashFrequency frequency_ = ff1Hz;
    bool phase_ = false;
    bool pressed_ = false;
};

}  // namespace brivel
