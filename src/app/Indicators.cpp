#include "app/Indicators.h"

#include <QtWidgets/QLabel>

namespace brivel::indicators {

namespace {

QLabel* standIn(QWidget* parent, const QString& name, const QString& text, const QColor& back,
                const QColor& fore = Qt::black)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, back);
    palette.setColor(QPalette::WindowText, fore);
    label->setPalette(palette);
    return label;
}

}  // namespace

QWidget* valueInd(QWidget* parent, const QString& name, const QString& unit)
{
    return standIn(parent, name, QStringLiteral("0.0 ") + unit, Qt::black, Qt::green);
}

QWidget* dial(QWidget* parent, const QString& name)
{
    return standIn(parent, name, QStringLiteral("x1000"), QColor(0x20, 0x20, 0x20), Qt::white);
}

QWidget* bar(QWidget* parent, const QString& name, const QColor& color)
{
    return standIn(parent, name, QString(), Qt::black, color);
}

QWidget* led(QWidget* parent, const QString& name, const QString& caption, const QColor&)
{
    return standIn(parent, name, caption, QColor(0xF0, 0xF0, 0xF0));
}

QWidget* colorButton(QWidget* parent, const QString& name, const QString& textOff, const QString&)
{
    return standIn(parent, name, textOff, QColor(0x80, 0x80, 0x80));
}

QWidget* toggleSwitch(QWidget* parent, const QString& name, const QString& textOff,
                      const QString&)
{
    return standIn(parent, name, textOff, Qt::red);
}

}  // namespace brivel::indicators
