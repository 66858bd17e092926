#pragma once

#include "widgets/TAbFlashTimer.h"
#include "widgets/ui/TAbGraphicControl.h"
#include "widgets/TrendMath.h"

#include <QtGui/QFont>
#include <QtGui/QImage>

#include <optional>

namespace brivel {

class TAbSBevel;
class TSignalSettings;

// Two-channel trend, like a chart recorder. Setting a channel value only
// stores it; the widget samples both channels on its own time base (the
// flash timer), shifts the plot left by one step per sample, and draws the
// new strip: background, grid, and each trace as a horizontal run at its
// previous height plus a vertical stroke to the new one.
//
// The time base runs from creation, visible or not, while Flow is on. A
// change of the plot's size (a resize, or scales whose labels change width)
// clears the plot and restarts the time base.
class TAbMiniTrend : public TAbGraphicControl, private TAbFlashTimer::Client {
    Q_OBJECT
    Q_PROPERTY(float valueCh1 READ valueCh1 WRITE setValueCh1)
    Q_PROPERTY(float valueCh2 READ valueCh2 WRITE setValueCh2)
    Q_PROPERTY(int digitCh1 READ digitCh1 WRITE setDigitCh1)
    Q_PROPERTY(int digitCh2 READ digitCh2 WRITE setDigitCh2)
    Q_PROPERTY(int timeScale READ timeScale WRITE setTimeScale)
    Q_PROPERTY(bool flow READ flow WRITE setFlow)
    Q_PROPERTY(Options options READ options WRITE setOptions)
    Q_PROPERTY(QColor bkColor READ bkColor WRITE setBkColor)
    Q_PROPERTY(QColor gridColor READ gridColor WRITE setGridColor)
    Q_PROPERTY(QColor timeLineColor READ timeLineColor WRITE setTimeLineColor)
    Q_PROPERTY(QColor signalColorCh1 READ signalColorCh1 WRITE setSignalColorCh1)
    Q_PROPERTY(QColor signalColorCh2 READ signalColorCh2 WRITE setSignalColorCh2)
    Q_PROPERTY(QFont captionFont READ captionFont WRITE setCaptionFont)
    Q_PROPERTY(QString caption READ caption WRITE setCaption)

public:
    enum Option {
        opBevelInner = 0x001,
        opBevelOuter = 0x002,
        opCaption = 0x004,
        opScaleCh1 = 0x008,
        opScaleCh2 = 0x010,
        opSignDescCh1 = 0x020,
        opSignDescCh2 = 0x040,
        opGrid = 0x080,
        opTimeLine = 0x100,
    };
    Q_DECLARE_FLAGS(Options, Option)
    Q_FLAG(Options)

    static constexpr int kMinimumSize = 150;

    explicit TAbMiniTrend(TAbFlashTimer& flashTimer, QWidget* parent = nullptr);
    ~TAbMiniTrend() override;

    float valueCh1() const { return value_[0]; }
    void setValueCh1(float value) { setChannelValue(0, value); }
    float valueCh2() const { return value_[1]; }
    void setValueCh2(float value) { setChannelValue(1, value); }
    int digitCh1() const { return digit_[0]; }
    void setDigitCh1(int digit) { setChannelDigit(0, digit); }
    int digitCh2() const { return digit_[1]; }
    void setDigitCh2(int digit) { setChannelDigit(1, digit); }

    // Minutes across the ten time divisions; zero or less is ignored.
    int timeScale() const { return timeScale_; }
    void setTimeScale(int minutes);
    bool flow() const { return flow_; }
    void setFlow(bool flow);
    // Samples `count` times at once, as if the time base had ticked: for a
    // trend that runs on another clock than its own (Flow off).
    void takeSamples(int count);
    // Clears the plot, as a change of its size does.
    void clearTrace();
    Options options() const { return options_; }
    void setOptions(Options options);
    QColor bkColor() const { return bkColor_; }
    void setBkColor(const QColor& color);
    QColor gridColor() const { return gridColor_; }
    void setGridColor(const QColor& color);
    QColor timeLineColor() const { return timeLineColor_; }
    void setTimeLineColor(const QColor& color);
    QColor signalColorCh1() const { return signalColor_[0]; }
    void setSignalColorCh1(const QColor& color);
    QColor signalColorCh2() const { return signalColor_[1]; }
    void setSignalColorCh2(const QColor& color);
    QFont captionFont() const { return captionFont_; }
    void setCaptionFont(const QFont& font);
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    TSignalSettings* signalSettingsCh1() const { return signal_[0]; }
    TSignalSettings* signalSettingsCh2() const { return signal_[1]; }
    TAbSBevel* bevelOuter() const { return bevelOuter_; }
    TAbSBevel* bevelInner() const { return bevelInner_; }

    // The plot and its time base (after layout).
    QRect plotRect() const { return plotRect_; }
    // Up to the present moment.
    const QImage& plot() const
    {
        const_cast<TAbMiniTrend*>(this)->catchUp();
        return plot_;
    }
    const trendmath::TimeBase& timeBase() const { return timeBase_; }
    // "6s/div"
    QString timeLabel() const;
    // The row each trace stands at now (channel 0 or 1).
    int traceRow(int channel) const
    {
        const_cast<TAbMiniTrend*>(this)->catchUp();
        return prevY_[channel & 1];
    }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void updateLayout() override;
    void paintStatic(QPainter& painter) override;
    void paintDynamic(QPainter& painter) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void intervalElapsed() override;
    // One step of the time base: the plot scrolls and the traces move on.
    void sample();
    // While hidden, the time base runs without waking the program: the
    // samples that have fallen due are taken when the plot is looked at or
    // shown, or before new values are set, each with the values it would
    // have found.
    void catchUp();
    void sleep();
    void wake();
    void setChannelValue(int channel, float value);
    void setChannelDigit(int channel, int digit);
    void initPlot();
    void restartTimeBase();
    void configChanged();
    int scaleWidth(int channel) const;
    void drawTimeLabel(QPainter& painter, int rightX);
    void paintScale(QPainter& painter, int channel) const;

    TSignalSettings* signal_[2];
    TAbSBevel* bevelOuter_;
    TAbSBevel* bevelInner_;
    float value_[2] = {0.0f, 0.0f};
    int digit_[2] = {0, 0};
    int timeScale_ = 5;
    bool flow_ = true;
    Options options_ = Options(0x1FF);
    QColor bkColor_{0, 0, 0};
    QColor gridColor_;
    QColor timeLineColor_{255, 0, 255};
    QColor signalColor_[2] = {QColor(0, 255, 0), QColor(255, 255, 0)};
    QFont captionFont_;
    QString caption_;

    QRect captionRect_;
    QRect legendRect_;
    QRect scaleRect_[2];
    QRect innerBevelRect_;
    QRect plotRect_;
    QImage plot_;
    trendmath::TimeBase timeBase_;
    int prevY_[2] = {0, 0};
    int shifted_ = 0;       // pixels moved since the grid was last aligned, mod d
    int newGridLines_ = 0;  // vertical grid lines drawn since the plot was set up
    // The next sample's due time while the time base sleeps.
    std::optional<qint64> sleepingDue_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TAbMiniTrend::Options)

}  // namespace brivel
