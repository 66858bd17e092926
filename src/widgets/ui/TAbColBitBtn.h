#pragma once

#include "widgets/ui/TAbBinGControl.h"

#include <QtGui/QPixmap>

namespace brivel {

// Coloured button with text and glyph. Which of its parts follow the checked
// state is set by CheckedOptions, which of them blink while flashing by
// FlashOptions. A "|" in a text starts a new line.
class TAbColBitBtn : public TAbBinGControl {
    Q_OBJECT
    Q_PROPERTY(QColor colorOn READ colorOn WRITE setColorOn)
    Q_PROPERTY(QColor colorOff READ colorOff WRITE setColorOff)
    Q_PROPERTY(QColor colorDisabled READ colorDisabled WRITE setColorDisabled)
    Q_PROPERTY(QString textOn READ textOn WRITE setTextOn)
    Q_PROPERTY(QString textOff READ textOff WRITE setTextOff)
    Q_PROPERTY(QColor textColOn READ textColOn WRITE setTextColOn)
    Q_PROPERTY(QColor textColOff READ textColOff WRITE setTextColOff)
    Q_PROPERTY(QColor textColDisabled READ textColDisabled WRITE setTextColDisabled)
    Q_PROPERTY(QPixmap glyph READ glyph WRITE setGlyph)
    Q_PROPERTY(GlyphPosition posGlyph READ posGlyph WRITE setPosGlyph)
    Q_PROPERTY(CheckedOptions checkedOptions READ checkedOptions WRITE setCheckedOptions)
    Q_PROPERTY(FlashOptions flashOptions READ flashOptions WRITE setFlashOptions)
    Q_PROPERTY(int offsetDown READ offsetDown WRITE setOffsetDown)
    Q_PROPERTY(int bevelWidth READ bevelWidth WRITE setBevelWidth)

public:
    enum GlyphPosition { pgLeft, pgRight, pgTop, pgBottom };
    Q_ENUM(GlyphPosition)
    enum CheckedOption {
        coGlyph = 0x1,
        coText = 0x2,
        coTextCol = 0x4,
        coBtnCol = 0x8,
        coBevel = 0x10,
    };
    Q_DECLARE_FLAGS(CheckedOptions, CheckedOption)
    Q_FLAG(CheckedOptions)
    enum FlashOption {
        foGlyph = 0x1,
        foText = 0x2,
        foTextCol = 0x4,
        foBtnCol = 0x8,
    };
    Q_DECLARE_FLAGS(FlashOptions, FlashOption)
    Q_FLAG(FlashOptions)

    explicit TAbColBitBtn(TAbFlashTimer& flashTimer, QWidget* parent = nullptr);

    QColor colorOn() const { return colorOn_; }
    void setColorOn(const QColor& color);
    QColor colorOff() const { return colorOff_; }
    void setColorOff(const QColor& color);
    QColor colorDisabled() const { return colorDisabled_; }
    void setColorDisabled(const QColor& color);
    QString textOn() const { return textOn_; }
    void setTextOn(const QString& text);
    // Falls back to TextOn when empty.
    QString textOff() const { return textOff_; }
    void setTextOff(const QString& text);
    QColor textColOn() const { return textColOn_; }
    void setTextColOn(const QColor& color);
    QColor textColOff() const { return textColOff_; }
    void setTextColOff(const QColor& color);
    QColor textColDisabled() const { return textColDisabled_; }
    void setTextColDisabled(const QColor& color);
    QPixmap glyph() const { return glyph_; }
    void setGlyph(const QPixmap& glyph);
    GlyphPosition posGlyph() const { return posGlyph_; }
    void setPosGlyph(GlyphPosition position);
    CheckedOptions checkedOptions() const { return checkedOptions_; }
    void setCheckedOptions(CheckedOptions options);
    FlashOptions flashOptions() const { return flashOptions_; }
    void setFlashOptions(FlashOptions options);
    int offsetDown() const { return offsetDown_; }
    void setOffsetDown(int offset);
    int bevelWidth() const { return bevelWidth_; }
    void setBevelWidth(int width);

    // What the button shows now.
    QColor currentFaceColor() const;
    QString currentText() const;
    QColor currentTextColor() const;
    bool drawnPressed() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintDynamic(QPainter& painter) override;
    void changeEvent(QEvent* event) override;

private:
    // Whether a part shows its on-variant: parts that follow the checked
    // state show it while checked; parts that blink alternate with the flash
    // phase while flashing.
    bool partOn(CheckedOption checkedPart, FlashOption flashPart) const;
    void changed();
    template <typename T>
    void assign(T& member, const T& value)
    {
        if (member == value)
            return;
        member = value;
        changed();
    }

    QColor colorOn_{0, 255, 0};
    QColor colorOff_;
    QColor colorDisabled_;
    QString textOn_;
    QString textOff_;
    QColor textColOn_{0, 0, 0};
    QColor textColOff_{0, 0, 0};
    QColor textColDisabled_{128, 128, 128};
    QPixmap glyph_;
    GlyphPosition posGlyph_ = pgLeft;
    CheckedOptions checkedOptions_ =
        CheckedOptions(coGlyph | coText | coTextCol | coBtnCol | coBevel);
    FlashOptions flashOptions_ = FlashOptions(foBtnCol);
    int offsetDown_ = 1;
    int bevelWidth_ = 2;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TAbColBitBtn::CheckedOptions)
Q_DECLARE_OPERATORS_FOR_FLAGS(TAbColBitBtn::FlashOptions)

}  // namespace brivel
