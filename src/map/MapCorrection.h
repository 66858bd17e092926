#pragma once

#include <QtCore/QByteArray>
#include <QtCore/Qt>

#include <array>
#include <optional>

namespace brivel {
class CommandSender;
}

namespace brivel::map {

class InjectionMap;

// The fitter's correction of the injection map: a range of petrol times
// marked with the mouse on the chart's plot area (pixel columns of the
// selection area laid over it, MapPlot), then raised or lowered a hundredth at a
// time with the spin button. A step lays the range out as a tent: the middle
// entry moves, the entries between it and the two unchanged ends go onto
// straight lines. Without a range a step moves the whole map. Every step
// writes the whole map to the controller at once.
class MapCorrection {
public:
    // Only the first click of a selection may lie left of this column.
    static constexpr int MinimumColumn = 26;
    // The panel of the spin button, without and with the "X" button.
    static constexpr int PanelHeightSpinOnly = 70;
    static constexpr int PanelHeightWithClear = 107;
    // A range marker is a vertical line over the whole left axis.
    static constexpr double MarkerBottom = 0.0;
    static constexpr double MarkerTop = 3.0;

    // The petrol injection time under column x, in ms: t(x).
    static double petrolMsAt(int x);
    // The map entry of column x, e(x), about one entry right of t(x).
    // Columns 498 to 500 would name entries 247 and 248; they are held at
    // the last entry, 246, so that a range never reaches past the map.
    static int entryAt(int x);

    // The 20 bytes of the command that follows every map write.
    static QByteArray auxPayload();

    enum class Press {
        Cleared,   // the lone right button cleared the range
        StartSet,  // the range start moved (and its marker)
        EndSet,    // the range end moved (and its marker)
        Ignored,   // nothing changed; no redraw
    };

    enum class Step {
        Applied,  // the map changed and was sent
        Dropped,  // a command still waits for its acknowledgement
        Refused,  // an entry would leave 0…255: the map stays, nothing is sent
        Ignored,  // only a range start is set (the spin button is disabled then)
    };

    // `map` and `sender` must outlive the correction.
    MapCorrection(InjectionMap& map, CommandSender& sender);

    // A press on the selection area at column x: `buttons` are the mouse
    // buttons down with the press, `modifiers` the keys held. The right
    // button alone clears the range; any other press sets or moves an end.
    Press press(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x);
    // The release enables the spin button unless only a start is set.
    void release();
    // No range any more (the "X" button); the spin button's state waits for
    // the next release.
    void clearRange();
    // One hundredth up (+1) or down (-1): the range as a tent, or the whole
    // map without a range.
    Step step(int d);
    // Puts a whole map in place and writes it exactly like a step (the
    // undo and redo of steps): dropped while a command waits, refused when
    // an entry would not fit in a byte.
    Step replaceMap(const std::array<qint32, 246>& values);

    int rangeStartX() const { return startX_; }
    int rangeEndX() const { return endX_; }
    bool hasRange() const { return startX_ != 0 && endX_ != 0; }
    // Where the markers stand, in ms; nothing while a marker is not set.
    std::optional<double> startMarkerMs() const { return startMarker_; }
    std::optional<double> endMarkerMs() const { return endMarker_; }
    bool spinEnabled() const { return spinEnabled_; }
    int panelHeight() const { return panelHeight_; }
    // The panel shows yellow while a range start is set, the button face
    // otherwise.
    bool panelHighlighted() const { return startX_ > 0; }

private:
    void send();
    bool stepWholeMap(int d);
    bool stepRange(int d);

    InjectionMap& map_;
    CommandSender& sender_;
    int startX_ = 0;
    int endX_ = 0;
    std::optional<double> startMarker_;
    std::optional<double> endMarker_;
    bool spinEnabled_ = true;
    int panelHeight_ = PanelHeightSpinOnly;
};

}  // namespace brivel::map
