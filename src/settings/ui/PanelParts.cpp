#include "settings/ui/PanelParts.h"

#include "widgets/ui/TAbHSlider.h"
#include "widgets/ui/TAbVSlider.h"
#include "widgets/ui/TAbValueInd.h"
#include "widgets/ui/TScaleSettings.h"
#include "widgets/TSignalSettings.h"

#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QFrame>
#include <QtWidgets/QLabel>

namespace brivel::panel {

namespace {

// Selectors read like the read-outs: lime on black.
const char* const PageStyle = R"(
QFrame[tile="true"] {
    background: #202020;
    border: 1px solid #0a0a0a;
    border-radius: 3px;
}
QFrame[tile="true"] QLabel {
    color: #e0e0e0;
    background: transparent;
}
QFrame[tile="true"] QCheckBox {
    color: #e0e0e0;
    background: transparent;
}
QFrame[tile="true"] QCheckBox::indicator {
    width: 14px;
    height: 14px;
    border: 1px solid #008000;
    border-radius: 2px;
    background: black;
}
QFrame[tile="true"] QCheckBox::indicator:checked {
    background: #00ff00;
    border-color: #00ff00;
}
QFrame[tile="true"] QCheckBox::indicator:focus {
    border-color: #00ff00;
}
QComboBox {
    background: black;
    color: #00ff00;
    border: 1px solid #008000;
    border-radius: 2px;
    padding: 1px 6px;
    font-weight: bold;
    font-size: 13px;
}
QComboBox:disabled {
    color: #00a000;
    border-color: #505050;
}
QComboBox:focus {
    border-color: #00ff00;
}
QComboBox QAbstractItemView {
    background: black;
    color: #00ff00;
    selection-background-color: #008000;
    selection-color: white;
}
)";

}  // namespace

void styleSettingsPage(QWidget* page)
{
    page->setStyleSheet(QString::fromLatin1(PageStyle));
}

QFrame* makeTile(QWidget* parent, const QString& name, const QRect& at)
{
    auto* tile = new QFrame(parent);
    if (!name.isEmpty())
        tile->setObjectName(name);
    tile->setProperty("tile", true);
    tile->setGeometry(at);
    return tile;
}

QLabel* makeCaption(QWidget* parent, const QString& name, const QString& text, const QRect& at)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(at);
    return label;
}

QComboBox* makeSelector(QWidget* parent, const QString& name, const QStringList& items,
                        const QRect& at)
{
    auto* selector = new QComboBox(parent);
    selector->setObjectName(name);
    selector->setEditable(false);
    selector->addItems(items);
    selector->setCurrentIndex(-1);
    selector->setGeometry(at);
    return selector;
}

QComboBox* makeSelector(QWidget* parent, const QString& name, int count, const QRect& at)
{
    QStringList empty;
    for (int i = 0; i < count; ++i)
        empty.append(QString());
    return makeSelector(parent, name, empty, at);
}

QCheckBox* makeCheckBox(QWidget* parent, const QString& name, const QRect& at)
{
    auto* box = new QCheckBox(parent);
    box->setObjectName(name);
    box->setGeometry(at);
    return box;
}

void showItem(QComboBox* selector, const std::optional<int>& item)
{
    if (!item)
        return;
    selector->setCurrentIndex(*item >= 0 && *item < selector->count() ? *item : -1);
}

void showChecked(QCheckBox* box, const std::optional<bool>& checked)
{
    if (checked)
        box->setChecked(*checked);
}

void setRange(TAbAnalogCControl* slider, const SliderRange& range)
{
    TSignalSettings* signal = slider->signalSettings();
    signal->setDigitalFrom(range.digitalFrom);
    signal->setDigitalTo(range.digitalTo);
    signal->setValueRange(range.valueFrom, range.valueTo);
}

SliderRow makeSliderRow(TAbFlashTimer& flashTimer, QWidget* parent, const QString& name,
                        const SliderRange& range, const QString& format, const QString& unit,
                        const QRect& sliderAt, int valueRight)
{
    auto* slider = new TAbHSlider(flashTimer, parent);
    slider->setObjectName(name);
    slider->setOptions(TAbHSlider::opBevelOuter | TAbHSlider::opScaleText);
    setRange(slider, range);
    slider->signalSettings()->setValueFormat(format);
    slider->signalSettings()->setValueUnit(unit);
    slider->scaleSettings()->setValueFormat(QStringLiteral("###0"));
    slider->setGeometry(sliderAt);

    auto* indicator = new TAbValueInd(flashTimer, parent);
    indicator->setObjectName(name + QStringLiteral("_wynik"));
    indicator->setOptions(TAbValueInd::opUnit);
    slider->setValueIndicator(indicator);
    // The value boxes of a column of rows end at one edge, whatever their
    // format: the units line up after them.
    indicator->move(valueRight - indicator->valueRect().right(),
                    sliderAt.top() + (sliderAt.height() - indicator->height()) / 2);
    return {slider, indicator};
}

TAbVSlider* makeVSlider(TAbFlashTimer& flashTimer, QWidget* parent, const QString& name,
                        const SliderRange& range, const QString& format, const QString& unit,
                        const QRect& at)
{
    auto* slider = new TAbVSlider(flashTimer, parent);
    slider->setObjectName(name);
    setRange(slider, range);
    slider->signalSettings()->setValueFormat(format);
    slider->signalSettings()->setValueUnit(unit);
    slider->signalSettings()->setName1(QString());
    slider->signalSettings()->setName2(QString());
    slider->scaleSettings()->setValueFormat(QStringLiteral("0.0"));
    slider->setGeometry(at);
    return slider;
}

}  // namespace brivel::panel
