#pragma once

#include <QtCore/QRect>
#include <QtCore/QString>
#include <QtCore/QStringList>

#include <optional>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QWidget;

namespace brivel {

class TAbAnalogCControl;
class TAbFlashTimer;
class TAbHSlider;
class TAbValueInd;
class TAbVSlider;

// The parts the settings pages are laid out from: selectors that read like
// the instruments' displays, slider rows with their read-outs, and the dark
// tiles that hold a caption over its control.
namespace panel {

// The look of a settings page: selectors, check boxes and tiles.
void styleSettingsPage(QWidget* page);

// A sunken dark tile; `name` may be empty.
QFrame* makeTile(QWidget* parent, const QString& name, const QRect& at);
// A caption on a tile or a group; empty text when the caption table fills it.
QLabel* makeCaption(QWidget* parent, const QString& name, const QString& text, const QRect& at);

// A selector whose items are chosen, never typed. `items` may hold empty
// texts that the caption table fills. No item is selected.
QComboBox* makeSelector(QWidget* parent, const QString& name, const QStringList& items,
                        const QRect& at);
// `count` items, all filled by the caption table.
QComboBox* makeSelector(QWidget* parent, const QString& name, int count, const QRect& at);

// A check box without a caption of its own.
QCheckBox* makeCheckBox(QWidget* parent, const QString& name, const QRect& at);

// Shows a decoded selection: an item, or an empty box for
// SettingsDisplay::NoSelection. Nothing when the image did not say.
void showItem(QComboBox* selector, const std::optional<int>& item);

// Shows a decoded check box state; nothing when the image did not say.
void showChecked(QCheckBox* box, const std::optional<bool>& checked);

// The value range of a slider and the steps it moves in.
struct SliderRange {
    float valueFrom;
    float valueTo;
    int digitalFrom;
    int digitalTo;
};
void setRange(TAbAnalogCControl* slider, const SliderRange& range);

// A horizontal slider with its read-out `<name>_wynik` at its right, the
// read-out's value box ending at `valueRight`.
struct SliderRow {
    TAbHSlider* slider;
    TAbValueInd* indicator;
};
SliderRow makeSliderRow(TAbFlashTimer& flashTimer, QWidget* parent, const QString& name,
                        const SliderRange& range, const QString& format, const QString& unit,
                        const QRect& sliderAt, int valueRight);

// A vertical slider showing its value and unit under the track.
TAbVSlider* makeVSlider(TAbFlashTimer& flashTimer, QWidget* parent, const QString& name,
                        const SliderRange& range, const QString& format, const QString& unit,
                        const QRect& at);

}  // namespace panel
}  // namespace brivel
