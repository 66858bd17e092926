#include "widgets/ui/TAbColBitBtn.h"

#include "widgets/ui/InstrumentPaint.h"

#include <QtCore/QEvent>
#include <QtGui/QFontMetrics>
#include <QtGui/QPainter>

namespace brivel {

namespace {
constexpr int kGlyphSpacing = 4;
constexpr int kTextMargin = 4;
}  // namespace

TAbColBitBtn::TAbColBitBtn(TAbFlashTimer& flashTimer, QWidget* parent)
    : TAbBinGControl(flashTimer, parent)
{
    colorOff_ = palette().color(QPalette::Button);
    colorDisabled_ = palette().color(QPalette::Button);
    resize(sizeHint());
}

void TAbColBitBtn::changed()
{
    updateGeometry();
    update();
}

void TAbColBitBtn::setColorOn(const QColor& value)
{
    assign(colorOn_, value);
}

void TAbColBitBtn::setColorOff(const QColor& value)
{
    assign(colorOff_, value);
}

void TAbColBitBtn::setColorDisabled(const QColor& value)
{
    assign(colorDisabled_, value);
}

void TAbColBitBtn::setTextOn(const QString& value)
{
    assign(textOn_, value);
}

void TAbColBitBtn::setTextOff(const QString& value)
{
    assign(textOff_, value);
}

void TAbColBitBtn::setTextColOn(const QColor& value)
{
    assign(textColOn_, value);
}

void TAbColBitBtn::setTextColOff(const QColor& value)
{
    assign(textColOff_, value);
}

void TAbColBitBtn::setTextColDisabled(const QColor& value)
{
    assign(textColDisabled_, value);
}

void TAbColBitBtn::setPosGlyph(GlyphPosition value)
{
    assign(posGlyph_, value);
}

void TAbColBitBtn::setCheckedOptions(CheckedOptions value)
{
    assign(checkedOptions_, value);
}

void TAbColBitBtn::setFlashOptions(FlashOptions value)
{
    assign(flashOptions_, value);
}

void TAbColBitBtn::setOffsetDown(int value)
{
    assign(offsetDown_, value);
}

void TAbColBitBtn::setBevelWidth(int value)
{
    assign(bevelWidth_, value);
}

void TAbColBitBtn::setGlyph(const QPixmap& glyph)
{
    if (glyph_.cacheKey() == glyph.cacheKey())
        return;
    glyph_ = glyph;
    changed();
}

void TAbColBitBtn::changeEvent(QEvent* event)
{
    TAbBinGControl::changeEvent(event);
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange)
        changed();
}

bool TAbColBitBtn::partOn(CheckedOption checkedPart, FlashOption flashPart) const
{
    if (inFlashOffPhase() && (flashOptions_ & flashPart))
        return false;
    if (isChecked() && isFlashing() && (flashOptions_ & flashPart))
        return true;
    return (checkedOptions_ & checkedPart) && isChecked();
}

QColor TAbColBitBtn::currentFaceColor() const
{
    if (!isEnabled())
        return colorDisabled_;
    return partOn(coBtnCol, foBtnCol) ? colorOn_ : colorOff_;
}

QString TAbColBitBtn::currentText() const
{
    if (partOn(coText, foText) || textOff_.isEmpty())
        return textOn_;
    return textOff_;
}

QColor TAbColBitBtn::currentTextColor() const
{
    if (!isEnabled())
        return textColDisabled_;
    return partOn(coTextCol, foTextCol) ? textColOn_ : textColOff_;
}

bool TAbColBitBtn::drawnPressed() const
{
    return (checkedOptions_ & coBevel) && isChecked();
}

QSize TAbColBitBtn::sizeHint() const
{
    const QFontMetrics fm(font());
    QSize text =
        fm.size(0, paint::multiline(textOn_)).expandedTo(fm.size(0, paint::multiline(textOff_)));
    QSize content = text;
    if (!glyph_.isNull()) {
        const QSize g = glyph_.deviceIndependentSize().toSize();
        if (posGlyph_ == pgLeft || posGlyph_ == pgRight)
            content = {text.width() + kGlyphSpacing + g.width(),
                       std::max(text.height(), g.height())};
        else
            content = {std::max(text.width(), g.width()),
                       text.height() + kGlyphSpacing + g.height()};
    }
    const int frame = 2 * (bevelWidth_ + kTextMargin);
    return content + QSize(frame, frame);
}

QSize TAbColBitBtn::minimumSizeHint() const
{
    return {2 * bevelWidth_ + 4, 2 * bevelWidth_ + 4};
}

void TAbColBitBtn::paintDynamic(QPainter& painter)
{
    const bool pressed = drawnPressed();
    const QRect r = rect();
    paint::drawButton(painter, r, currentFaceColor(), bevelWidth_, pressed);

    QRect content =
        r.adjusted(bevelWidth_ + 1, bevelWidth_ + 1, -bevelWidth_ - 1, -bevelWidth_ - 1);
    if (pressed)
        content.translate(offsetDown_, offsetDown_);
    painter.save();
    painter.setClipRect(r.adjusted(bevelWidth_, bevelWidth_, -bevelWidth_, -bevelWidth_),
                        Qt::IntersectClip);

    const QString text = paint::multiline(currentText());
    const QFontMetrics fm(font());
    const QSize textSize = text.isEmpty() ? QSize() : fm.size(0, text);
    QRect textRect = content;
    if (!glyph_.isNull()) {
        const QSize g = glyph_.deviceIndependentSize().toSize();
        const bool horizontal = posGlyph_ == pgLeft || posGlyph_ == pgRight;
        const int gap = text.isEmpty() ? 0 : kGlyphSpacing;
        const QSize block = horizontal ? QSize(g.width() + gap + textSize.width(),
                                               std::max(g.height(), textSize.height()))
                                       : QSize(std::max(g.width(), textSize.width()),
                                               g.height() + gap + textSize.height());
        const QPoint origin(content.left() + (content.width() - block.width()) / 2,
                            content.top() + (content.height() - block.height()) / 2);
        QPoint glyphAt;
        switch (posGlyph_) {
            case pgLeft:
                glyphAt = QPoint(origin.x(), origin.y() + (block.height() - g.height()) / 2);
                textRect = QRect(origin.x() + g.width() + gap, origin.y(), textSize.width(),
                                 block.height());
                break;
            case pgRight:
                glyphAt = QPoint(origin.x() + textSize.width() + gap,
                                 origin.y() + (block.height() - g.height()) / 2);
                textRect = QRect(origin.x(), origin.y(), textSize.width(), block.height());
                break;
            case pgTop:
                glyphAt = QPoint(origin.x() + (block.width() - g.width()) / 2, origin.y());
                textRect = QRect(origin.x(), origin.y() + g.height() + gap, block.width(),
                                 textSize.height());
                break;
            case pgBottom:
                glyphAt = QPoint(origin.x() + (block.width() - g.width()) / 2,
                                 origin.y() + textSize.height() + gap);
                textRect = QRect(origin.x(), origin.y(), block.width(), textSize.height());
                break;
        }
        // A glyph that follows the state is dimmed in its off-look.
        const bool glyphOn =
            !((checkedOptions_ & coGlyph) || (flashOptions_ & foGlyph)) || partOn(coGlyph, foGlyph);
        painter.setOpacity(isEnabled() && glyphOn ? 1.0 : 0.45);
        painter.drawPixmap(glyphAt, glyph_);
        painter.setOpacity(1.0);
    }
    if (!text.isEmpty()) {
        painter.setFont(font());
        painter.setPen(currentTextColor());
        painter.drawText(textRect, Qt::AlignCenter, text);
    }
    painter.restore();
}

}  // namespace brivel
