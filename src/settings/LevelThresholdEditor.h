#pragma once

#include <QtCore/QLocale>
#include <QtCore/QObject>
#include <QtCore/QString>

#include <array>
#include <optional>

namespace brivel {

class CommandSender;
class SettingsModel;
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
class LevelThresholdEditor : public QObject {
    Q_OBJECT
public:
    static constexpr int Boxes = 4;

    // What the level-sensor controls show.
    struct State {
        std::array<QString, Boxes> texts;
        // The box the slider edits (0-3), none outside an edit.
        std::optional<int> markedBox;
        // The selected sensor kind, SettingsDisplay::NoSelection for none.
        int sensorItem;
    };

    // Follows every image of `settings`; both must outlive the editor.
    LevelThresholdEditor(CommandSender& sender, const SettingsModel& settings,
                         const QLocale& locale = QLocale(), QObject* parent = nullptr);

    const State& state() const { return state_; }
    const std::array<QString, Boxes>& texts() const { return state_.texts; }
    std::optional<int> markedBox() const { return state_.markedBox; }
    int sensorItem() const { return state_.sensorItem; }

    // What a decoded settings image shows; its sensor code is sent again
    // while the selector shows none.
    void show(const settings::SettingsDisplay& decoded);

    // Threshold box `box` (0-3) takes the focus: it is marked and the edit
    // starts. Returns the box's voltage for the slider to take.
    std::optional<float> startBoxEdit(int box);
    // The sensor selector takes the focus: the edit starts, no box is marked.
    void startSensorEdit();
    // The slider moved: the marked box follows.
    void followSlider(float volts);
    // The fitter committed the slider: the thresholds go out and the edit
    // ends.
    void commitThresholds();
    // The fitter chose a sensor kind: its preset voltages, then as above.
    void chooseSensorKind(int item);
    // The focus left the slider or the selector: the edit ends; nothing is
    // sent.
    void endEdit();

signals:
    // After every change of what the controls show.
    void stateChanged(const brivel::LevelThresholdEditor::State& state);

private:
    void sendThresholds();
    void notify();

    CommandSender& sender_;
    QLocale locale_;
    State state_;
    std::optional<quint8> storedKind_;
};

}  // namespace brivel
