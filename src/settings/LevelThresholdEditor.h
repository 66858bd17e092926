#pragma once

#include <QtCore/QLocale>
#include <QtCore/QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace brivel {

class CommandSender;
namespace settings {
struct SettingsDisplay;
}

// The level-gauge settings of "Przełącznik": the sensor kind `Rodz_czuj_LPG`,
// the four threshold voltages `Ch_U_LPG_1` … `Ch_U_LPG_4` and the edit of one
// threshold with the slider `Ch_U_LPG_changer`. The texts are the thresholds
// as the fitter reads them and as they are sent; the marked box is the one
// the slider edits. An edit starts when a box or the sensor selector takes
// the focus (0x31 0x01) and ends with every threshold and the sensor code
// (0x0D …, then 0x31 0x00).
class LevelThresholdEditor {
public:
    static constexpr int Boxes = 4;

    explicit LevelThresholdEditor(CommandSender& sender, const QLocale& locale = QLocale());

    const std::array<QString, Boxes>& texts() const { return texts_; }
    // The box the slider edits (0-3), none outside an edit.
    std::optional<int> markedBox() const { return marked_; }
    // The selected sensor kind, SettingsDisplay::NoSelection for none.
    int sensorItem() const { return sensorItem_; }

    // What a decoded settings image shows; `storedKind` is the image's sensor
    // code, sent again while the selector shows none.
    void show(const settings::SettingsDisplay& decoded, std::optional<quint8> storedKind);

    // `Ch_U_LPG_X_Enter` for box `box` (0-3): marks it and starts the edit.
    // Returns the box's voltage for the slider to take.
    std::optional<float> Ch_U_LPG_X_Enter(int box);
    // `Ch_U_LPG_X_Enter` for the sensor selector: the edit starts, no box is
    // marked.
    void enterSensorSelector();
    // `Ch_U_LPG_changerValueChange`: the marked box follows the slider.
    void Ch_U_LPG_changerValueChange(float value);
    // `Ch_U_LPG_X_Change` for a committed slider value: the thresholds go
    // out and the edit ends.
    void Ch_U_LPG_X_Change();
    // `Ch_U_LPG_X_Change` for a sensor kind chosen: its preset voltages, then
    // as above.
    void Ch_U_LPG_X_Change(int sensorItem);
    // `Ch_U_LPG_X_Exit`: the edit ends; nothing is sent.
    void Ch_U_LPG_X_Exit();

    // Told after every change of what the controls show. Not owned.
    void addListener(std::function<void()> listener) { listeners_.push_back(std::move(listener)); }

private:
    void sendThresholds();
    void notify();

    CommandSender& sender_;
    QLocale locale_;
    std::array<QString, Boxes> texts_;
    std::optional<int> marked_;
    int sensorItem_;
    std::optional<quint8> storedKind_;
    std::vector<std::function<void()>> listeners_;
};

}  // namespace brivel
