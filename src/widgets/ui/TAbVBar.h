#pragma once

#include "widgets/ui/TAbAnalogGControl.h"

#include <QtGui/QFont>

#include <vector>

namespace brivel {

class TAbSBevel;
class TBarSettings;

// Bar graph filled from the bottom in proportion to the position: a solid
// bar, a column of LED segments, a single lit point, or a bar coloured by
// the sectors. The frame, names and unlit segments are cached; a new value
// repaints only the bar and the value text.
class TAbVBar : public TAbAnalogGControl {
    Q_OBJECT
    Q_PROPERTY(Options options READ options WRITE setOptions)
    Q_PROPERTY(QFont fontValue READ fontValue WRITE setFontValue)
    Q_PROPERTY(QColor valueColor READ valueColor WRITE setValueColor)

public:
    enum Option {
        opBevelOuter = 0x1,
        opName1 = 0x2,
        opName2 = 0x4,
    };
    Q_DECLARE_FLAGS(Options, Option)
    Q_FLAG(Options)

    explicit TAbVBar(TAbFlashTimer& flashTimer, QWidget* parent = nullptr);

    Options options() const { return options_; }
    void setOptions(Options options);
    QFont fontValue() const { return fontValue_; }
    void setFontValue(const QFont& font);
    QColor valueColor() const { return valueColor_; }
    void setValueColor(const QColor& color);

    TBarSettings* barSettings() const { return bar_; }
    TAbSBevel* bevelOuter() const { return bevelOuter_; }

    // After layout: where the bar is drawn, and the LED segments (bottom
    // first) of the bsLED_Bar and bsPoint styles.
    QRect barRect() const { return barRect_; }
    int segmentCount() const { return int(segments_.size()); }
    // Segments lit at the current position.
    int litSegments() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintStatic(QPainter& painter) override;
    void paintDynamic(QPainter& painter) override;
    void updateLayout() override;
    void valueUpdated(int oldDrawnPosition, const QString& oldText) override;

private:
    void configChanged();
    QColor colorAt(int permille) const;
    QString shownText() const;
    // The per-mille range [from, to] the bar covers at a position.
    std::pair<int, int> filled(int permille) const;
    bool segmentLit(int index, int permille) const;

    Options options_ = Options(opBevelOuter | opName2);
    QFont fontValue_;
    QColor valueColor_;
    TBarSettings* bar_;
    TAbSBevel* bevelOuter_;

    QRect name1Rect_;
    QRect valueRect_;
    QRect name2Rect_;
    QRect frameRect_;
    QRect barRect_;
    std::vector<QRect> segments_;  // bottom first
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TAbVBar::Options)

}  // namespace brivel
