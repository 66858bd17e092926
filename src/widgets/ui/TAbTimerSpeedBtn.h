#pragma once

#include "widgets/TAbFlashTimer.h"

#include <QtCore/QPointer>
#include <QtGui/QPixmap>
#include <QtWidgets/QWidget>

namespace brivel {

// An auto-repeating button: held down, it clicks after StartDelay and then
// about every Interval milliseconds; released over it, it clicks once more.
// It is registered with the flash timer only while held.
class TAbTimerSpeedBtn : public QWidget, private TAbFlashTimer::Client {
    Q_OBJECT
    Q_PROPERTY(int interval READ interval WRITE setInterval)
    Q_PROPERTY(int startDelay READ startDelay WRITE setStartDelay)
    Q_PROPERTY(QPixmap glyph READ glyph WRITE setGlyph)
    Q_PROPERTY(int numGlyphs READ numGlyphs WRITE setNumGlyphs)

public:
    static constexpr int kMinInterval = 50;

    enum class Arrow { Up, Down };

    TAbTimerSpeedBtn(TAbFlashTimer& flashTimer, Arrow arrow, QWidget* parent = nullptr);
    ~TAbTimerSpeedBtn() override;

    int interval() const { return interval_; }
    // Intervals below 50 ms are ignored.
    void setInterval(int ms);
    int startDelay() const { return startDelay_; }
    void setStartDelay(int ms);
    // Drawn instead of the arrow when set.
    QPixmap glyph() const { return glyph_; }
    void setGlyph(const QPixmap& glyph);
    // The glyph may be a strip of up to four equal images side by side: up,
    // disabled, pressed, and a fourth that is not used.
    int numGlyphs() const { return numGlyphs_; }
    void setNumGlyphs(int count);

    // One click, as from the user.
    void click() { emit clicked(); }

signals:
    // The left button went down on the button (before any click).
    void pressed();
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void intervalElapsed() override;
    // Stops repeating without a click (the release never reaches us).
    void abandon();

    QPointer<TAbFlashTimer> flashTimer_;
    Arrow arrow_;
    int interval_ = 100;
    int startDelay_ = 500;
    QPixmap glyph_;
    int numGlyphs_ = 1;
    bool held_ = false;
    qint64 dueMs_ = 0;
};

}  // namespace brivel
