#pragma once

#include <QtCore/QObject>
#include <QtCore/QString>
#include <QtGui/QColor>
#include <QtGui/QFont>

namespace brivel {

// The scale of a round meter or a slider: labelled major divisions, minor
// ticks per division, label picture, colours and font.
class TScaleSettings final : public QObject {
    Q_OBJECT
    Q_PROPERTY(int steps READ steps WRITE setSteps NOTIFY changed)
    Q_PROPERTY(int subSteps READ subSteps WRITE setSubSteps NOTIFY changed)
    Q_PROPERTY(QString valueFormat READ valueFormat WRITE setValueFormat NOTIFY changed)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY changed)
    Q_PROPERTY(QColor pointerColor READ pointerColor WRITE setPointerColor NOTIFY changed)
    Q_PROPERTY(bool drawLine READ drawLine WRITE setDrawLine NOTIFY changed)
    Q_PROPERTY(bool posLeftTop READ posLeftTop WRITE setPosLeftTop NOTIFY changed)
    Q_PROPERTY(QFont font READ font WRITE setFont NOTIFY changed)

public:
    explicit TScaleSettings(QObject* parent = nullptr);

    int steps() const { return steps_; }
    void setSteps(int steps);
    int subSteps() const { return subSteps_; }
    void setSubSteps(int subSteps);
    QString valueFormat() const { return valueFormat_; }
    void setValueFormat(const QString& valueFormat);
    QColor color() const { return color_; }
    void setColor(const QColor& color);
    QColor pointerColor() const { return pointerColor_; }
    void setPointerColor(const QColor& pointerColor);
    bool drawLine() const { return drawLine_; }
    void setDrawLine(bool drawLine);
    bool posLeftTop() const { return posLeftTop_; }
    void setPosLeftTop(bool posLeftTop);
    QFont font() const { return font_; }
    void setFont(const QFont& font);

signals:
    void changed();

private:
    int steps_ = 10;
    int subSteps_ = 5;
    QString valueFormat_ = QStringLiteral("##0");
    QColor color_ = QColor(0, 0, 0);
    QColor pointerColor_ = QColor(255, 0, 0);
    bool drawLine_ = true;
    bool posLeftTop_ = false;
    QFont font_{};
};

}  // namespace brivel
