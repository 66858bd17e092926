#pragma once

#include "live/LiveSnapshot.h"
#include "map/MapPageModel.h"

#include <QtCore/QObject>
#include <QtCore/QPoint>
#include <QtCore/QSize>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

namespace brivel {

class LiveModel;
class MapChart;
class MapPaintBox;
class SettingsModel;
class TAbFlashTimer;
class TAbSpinButton;

// The "Mapa" page: the map chart with the selection area over its plot, the
// spin button that steps the selected range, and the "Gaz" and "Petrol"
// buttons. Everything it shows comes from the page model, which it hands
// each decoded live frame and each new settings image; the widgets only
// forward the fitter's clicks to it.
class MapPage : public QObject {
    Q_OBJECT
public:
    // Shows `model` and follows `live` and `settings`; all must outlive the
    // page.
    MapPage(QWidget* page, TAbFlashTimer& flashTimer, map::MapPageModel& model, LiveModel& live,
            SettingsModel& settings);

    const map::MapPageModel& model() const { return model_; }

    MapChart* chart() const { return chart_; }
    MapPaintBox* paintBox() const { return paintBox_; }
    QFrame* panel4() const { return panel4_; }
    TAbSpinButton* spinButton() const { return spin_; }
    QPushButton* clearButton() const { return button3_; }
    QPushButton* undoButton() const { return undo_; }
    QPushButton* redoButton() const { return redo_; }
    // Why the last step was refused; empty and hidden otherwise.
    QLabel* notice() const { return notice_; }

    // Whether anything can be written to a controller: connected, and no
    // replay playing. Undo and redo are offered only then.
    void setSendingPossible(bool possible);

    // The chart's right axis: 126 kPa, or 252 for a turbo engine. The
    // settings model sets it, from each image and from the engine type the
    // fitter chooses.
    void setMapAxisMaximum(int kPa);
    // The window has `extra` pixels of room beyond its design size: the
    // chart is drawn larger by as much, its buttons stay below it.
    void useRoom(QSize extra);

    void PaintBox1MouseDown(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint at);
    void PaintBox1MouseUp();
    void Button3Click();
    void AbSpinButton1UpClick();
    void AbSpinButton1DownClick();
    // Ctrl+Z and the "Cofnij" button; Ctrl+Shift+Z and "Ponów".
    void MapUndoClick();
    void MapRedoClick();
    void BitBtn1Click() { model_.requestCurve(map::MapPageModel::Curve::Gas); }
    void BitBtn2Click() { model_.requestCurve(map::MapPageModel::Curve::Petrol); }

private:
    // The chart's live update, at the end of every decoded frame.
    void showLive(const LiveSnapshot& snapshot, LiveChanges changes);
    void show(map::SeriesSet changed);
    void showPanel();
    void showHistory();
    // A new settings image brings the controller's map.
    void showParameterBlock(const QByteArray& block);

    map::MapPageModel& model_;
    MapChart* chart_ = nullptr;
    // The chart's zoom: the selection area's pixels per design pixel.
    double zoomX_ = 1.0;
    MapPaintBox* paintBox_ = nullptr;
    QFrame* panel4_ = nullptr;
    TAbSpinButton* spin_ = nullptr;
    QPushButton* button3_ = nullptr;
    QPushButton* bitBtn1_ = nullptr;
    QPushButton* bitBtn2_ = nullptr;
    QPushButton* undo_ = nullptr;
    QPushButton* redo_ = nullptr;
    QLabel* notice_ = nullptr;
};

}  // namespace brivel
