#pragma once

#include "widgets/ui/TAbSBevel.h"

#include <QtCore/QObject>
#include <QtGui/QColor>

namespace brivel {

// How a bar graph draws its bar.
class TBarSettings final : public QObject {
    Q_OBJECT
    Q_PROPERTY(Style style READ style WRITE setStyle NOTIFY changed)
    Q_PROPERTY(Options options READ options WRITE setOptions NOTIFY changed)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY changed)
    Q_PROPERTY(QColor bkColor READ bkColor WRITE setBkColor NOTIFY changed)
    Q_PROPERTY(int bkBrightness READ bkBrightness WRITE setBkBrightness NOTIFY changed)
    Q_PROPERTY(bool bkAuto READ bkAuto WRITE setBkAuto NOTIFY changed)
    Q_PROPERTY(int minWidth READ minWidth WRITE setMinWidth NOTIFY changed)
    Q_PROPERTY(int minHeight READ minHeight WRITE setMinHeight NOTIFY changed)

public:
    enum Style { bsBar, bsLED_Bar, bsPoint, bsMultiColor };
    Q_ENUM(Style)
    enum Option { opValue = 0x1, opUnit = 0x2, opUseSectorCol = 0x4, opBidir = 0x8 };
    Q_DECLARE_FLAGS(Options, Option)
    Q_FLAG(Options)

    explicit TBarSettings(QObject* parent = nullptr);

    Style style() const { return style_; }
    void setStyle(Style style);
    Options options() const { return options_; }
    void setOptions(Options options);
    QColor color() const { return color_; }
    void setColor(const QColor& color);
    QColor bkColor() const { return bkColor_; }
    void setBkColor(const QColor& bkColor);
    int bkBrightness() const { return bkBrightness_; }
    void setBkBrightness(int bkBrightness);
    bool bkAuto() const { return bkAuto_; }
    void setBkAuto(bool bkAuto);
    int minWidth() const { return minWidth_; }
    void setMinWidth(int minWidth);
    int minHeight() const { return minHeight_; }
    void setMinHeight(int minHeight);

    // The frame around the bar; its changes are reported as this object's.
    TAbSBevel* bevel() const { return bevel_; }
    // The colour of an unlit segment whose lit colour is `lit`: with BkAuto the
    // lit colour dimmed to BkBrightness percent over the background, otherwise
    // the background lightened by BkBrightness percent.
    QColor unlitColor(const QColor& lit) const;

signals:
    void changed();

private:
    Style style_ = bsBar;
    Options options_ = opValue;
    QColor color_ = QColor(0, 255, 0);
    QColor bkColor_ = QColor(0, 0, 0);
    int bkBrightness_ = 25;
    bool bkAuto_ = true;
    int minWidth_ = 5;
    int minHeight_ = 5;
    TAbSBevel* bevel_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TBarSettings::Options)

}  // namespace brivel
