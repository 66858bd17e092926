#include "app/ui/WindowGrowth.h"

#include <QtCore/QEvent>
#include <QtWidgets/QWidget>

#include <cmath>

namespace brivel {

namespace {

struct Share {
    const char* name;
    double x, y, w, h;
};

// Each control's share of the extra width and height. Controls whose size
// changes at run time are only moved (no share of width or height).
const Share Shares[] = {
    // The window: the pages' frame grows, the fault banner widens with it,
    // the bottom bar goes to the foot.
    {"tab_control", 0, 0, 1, 1},
    {"Error_Led", 0, 0, 1, 0},
    {"Panel5", 0, 1, 0, 0},
    // "Diagnostyka": eight petrol bars share the width, the gas bar below.
    {"Skala_PB_time1A", 0.0 / 8, 0, 1.0 / 8, 0.6},
    {"Skala_PB_time2A", 1.0 / 8, 0, 1.0 / 8, 0.6},
    {"Skala_PB_time3A", 2.0 / 8, 0, 1.0 / 8, 0.6},
    {"Skala_PB_time4A", 3.0 / 8, 0, 1.0 / 8, 0.6},
    {"Skala_PB_time5A", 4.0 / 8, 0, 1.0 / 8, 0.6},
    {"Skala_PB_time6A", 5.0 / 8, 0, 1.0 / 8, 0.6},
    {"Skala_PB_time7A", 6.0 / 8, 0, 1.0 / 8, 0.6},
    {"Skala_PB_time8A", 7.0 / 8, 0, 1.0 / 8, 0.6},
    {"Benzyna_1A", 0, 0.6, 0, 0},
    {"Gaz_1A", 0, 0.6, 0, 0},
    {"Skala_LPG_time1A", 0, 0.6, 1, 0.4},
    // "Error": the two lists share the height.
    {"Actual_errors_Memo", 0, 0, 1, 0.45},
    {"Button2", 0, 0.45, 0, 0},
    {"Label18", 0, 0.45, 0, 0},
    {"Register_errors_memo", 0, 0.45, 1, 0.55},
    // "Oscyloskop": the trend takes the room, its modes go below it.
    {"Oscyloskop", 0, 0, 1, 1},
    {"RadioGroup1", 0, 1, 1, 0},
    // "Panel Petrol": two columns of tiles.
    {"GroupBox25", 0, 0, 1, 0},
    {"Tile_cyl", 0, 0, 0.5, 0},
    {"Tile_Typ_silnika", 0, 0, 0.5, 0},
    {"Tile_Injector_plus", 0, 0, 0.5, 0},
    {"Tile_Impuls", 0.5, 0, 0.5, 0},
    {"Tile_RPM_signal", 0.5, 0, 0.5, 0},
    {"Label34", 0, 0, 0.5, 0},
    {"Sel_cyl", 0, 0, 0.5, 0},
    {"Label37", 0, 0, 0.5, 0},
    {"Sel_Typ_silnika", 0, 0, 0.5, 0},
    {"Label40", 0, 0, 0.5, 0},
    {"Label35", 0, 0, 0.5, 0},
    {"Sel_Impuls", 0, 0, 0.5, 0},
    {"Label36", 0, 0, 0.5, 0},
    {"Sel_RPM_signal", 0, 0, 0.5, 0},
    // "Panel Gaz": the pressure sliders take the room on the right.
    {"GroupBox14", 0, 0, 1, 1},
    {"P_pracy_changer", 0, 0, 0.5, 1},
    {"P_min_changer", 0.5, 0, 0.5, 1},
    // "Przełącznik": the sliders grow, their read-outs stay at their right.
    {"GroupBox13", 0, 0, 1, 0},
    {"GroupBox17", 0, 0, 1, 0},
    {"Temp_LPG_changer", 0, 0, 1, 0},
    {"RPM_Prog_przel", 0, 0, 1, 0},
    {"T_przel_to_LPG", 0, 0, 1, 0},
    {"T_CYL_seqence", 0, 0, 1, 0},
    {"T_zwloki_changer", 0, 0, 1, 0},
    {"RPM_Max_To_Petrol", 0, 0, 1, 0},
    {"Temp_LPG_changer_wynik", 1, 0, 0, 0},
    {"RPM_Prog_przel_wynik", 1, 0, 0, 0},
    {"T_przel_to_LPG_wynik", 1, 0, 0, 0},
    {"T_CYL_seqence_wynik", 1, 0, 0, 0},
    {"T_zwloki_changer_wynik", 1, 0, 0, 0},
    {"RPM_Max_To_Petrol_wynik", 1, 0, 0, 0},
    {"GroupBox18", 0, 0, 1, 0},
};

int share(double part, int room)
{
    return static_cast<int>(std::lround(part * room));
}

}  // namespace

WindowGrowth::WindowGrowth(QWidget* panel, QSize designSize, QObject* parent)
    : QObject(parent), panel_(panel), designSize_(designSize)
{
    for (const Share& s : Shares)
        if (auto* widget = panel_->findChild<QWidget*>(QLatin1String(s.name)))
            placed_.push_back({widget, widget->geometry(), s.x, s.y, s.w, s.h});
    panel_->setMinimumSize(designSize_);
    panel_->installEventFilter(this);
}

bool WindowGrowth::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == panel_ && event->type() == QEvent::Resize)
        apply();
    return QObject::eventFilter(watched, event);
}

void WindowGrowth::apply()
{
    const QSize extra = panel_->size().expandedTo(designSize_) - designSize_;
    if (extra == extra_)
        return;
    extra_ = extra;
    for (const Placed& p : placed_) {
        if (!p.widget)
            continue;
        const QPoint at(p.design.x() + share(p.x, extra.width()),
                        p.design.y() + share(p.y, extra.height()));
        if (p.w == 0 && p.h == 0) {
            p.widget->move(at);
            continue;
        }
        p.widget->setGeometry(QRect(at, QSize(p.design.width() + share(p.w, extra.width()),
                                              p.design.height() + share(p.h, extra.height()))));
    }
    emit roomChanged(extra_);
}

}  // namespace brivel
