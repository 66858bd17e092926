#pragma once

#include "settings/ParameterBlock.h"
#include "settings/SettingsDisplay.h"

#include <QtCore/QByteArray>
#include <QtCore/QObject>
#include <QtCore/QString>

#include <functional>

namespace brivel {

class MessageTable;

// The controller's settings as last read: the settings image (the connect
// reply, or the reply to a settings read or a factory reset), what every
// settings control shows of it and the stored-fault list. Each image is
// decoded once, with the fault texts of the language chosen at that moment,
// and each signal below fires once for it.
class SettingsModel final : public QObject {
    Q_OBJECT
public:
    // The stored-fault texts are read from `messages`, in the language chosen
    // when each image arrives; `messages` must outlive the model.
    explicit SettingsModel(const MessageTable& messages, QObject* parent = nullptr);

    // The settings image as the controller sent it, envelope included.
    const QByteArray& parameterBlock() const { return parameterBlock_; }
    // A new image, also one with the same bytes as the last: its values
    // replace whatever the fitter changed on the pages since.
    void setParameterBlock(const QByteArray& block);
    // Changes the stored image in place (the cylinder count does, before the
    // controller's next read) and shows it as if it had just arrived.
    void editParameterBlock(const std::function<void(settings::ParameterBlock&)>& edit);

    // What the controls show of the last image.
    const settings::SettingsDisplay& display() const { return display_; }

    // The stored-fault list as shown: numbered lines, each ended by CR LF.
    const QString& storedFaultText() const { return storedFaultText_; }
    // The fault memory was cleared: the list stays empty until the next image.
    void clearStoredFaultText();

    // The fitter chose an engine type (a `Sel_Typ_silnika` item): the map
    // chart's right axis follows at once, before the controller is told.
    void chooseEngineType(int item);

    // The link read a settings image.
    void settingsImageReceived(const QByteArray& block) { setParameterBlock(block); }

signals:
    // A new image, decoded: what every settings control shows.
    void displayChanged(const settings::SettingsDisplay& display);
    // The map chart's right-axis maximum in kPa (126, or 252 for a turbo
    // engine), from an image or from the fitter's choice of engine type.
    void mapAxisMaximumChanged(int kPa);
    // The stored-fault list of a new image, or the list emptied.
    void storedFaultTextChanged(const QString& text);
    // A new image, as bytes (after the signals above).
    void parameterBlockChanged(const QByteArray& block);

private:
    const MessageTable& messages_;
    QByteArray parameterBlock_;
    settings::SettingsDisplay display_;
    QString storedFaultText_;
};

}  // namespace brivel
