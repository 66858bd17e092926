#pragma once

#include "i18n/MessageRows.h"
#include "map/RecordStatistics.h"

#include <QtCore/QString>
#include <QtCore/QtGlobal>

namespace brivel::map {

// What the adaptation needs of the window: the live readings it checks,
// the settings and the map it starts from, the record the live decoder
// fills, the message texts, and the few things it shows. The adaptation
// keeps its own state; the window only shows what it is told.
class AdaptationHost {
public:
    virtual ~AdaptationHost() = default;

    // The controller reports a current fault (the "Error" banner shows).
    virtual bool faultBannerShown() const = 0;
    // Engine speed in rpm and reducer temperature in °C, as last decoded.
    virtual double engineRpm() const = 0;
    virtual double reducerTemperature() const = 0;
    // The mask of the checked cylinder buttons (bit 0 = cylinder 1).
    virtual quint8 cylinderButtonMask() const = 0;
    // The active-gas-cylinder mask of the settings image (offset 20).
    virtual quint8 activeCylinderMask() const = 0;
    // The value of injection map entry k (1…246).
    virtual qint32 mapEntry(int k) const = 0;
    // Row r (0…8) of the adaptation record that the live decoder fills.
    virtual RecordRow& recordRow(int r) = 0;
    // A message table row's text in the language chosen last.
    virtual QString message(msg::Row row) const = 0;

    // The progress bar: enabled or not, position 0…100.
    virtual void showProgress(bool enabled, int position) = 0;
    // The whole info text of the page.
    virtual void showInfo(const QString& text) = 0;
    // Locked: the instrument panel, the page tabs, the "Plik", "Porty" and
    // "Język" menus and START do not respond; unlocked: they do again.
    virtual void setWindowLocked(bool locked) = 0;
    // The end of transfer: the window enabled and its top panel back to
    // the button face, whatever a transfer left it in.
    virtual void showWindowReady() = 0;
};

}  // namespace brivel::map
