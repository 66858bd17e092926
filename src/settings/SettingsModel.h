#pragma once

#include "settings/ParameterBlock.h"

#include <QtCore/QByteArray>
#include <QtCore/QString>

#include <functional>
#include <vector>

namespace brivel {

class SettingsObserver;

// The controller's settings as last read: the settings image (the connect
// reply, or the reply to a settings read or a factory reset) and what the
// pages show of it. Tells its observers when a new image arrives.
class SettingsModel final {
public:
    // Observers are told in the order they were added; none is owned.
    void addObserver(SettingsObserver& observer);

    // The settings image as the controller sent it, envelope included.
    const QByteArray& parameterBlock() const { return parameterBlock_; }
    void setParameterBlock(const QByteArray& block);
    // Changes the stored image in place (the cylinder count does, before the
    // controller's next read) and shows it as if it had just arrived.
    void editParameterBlock(const std::function<void(settings::ParameterBlock&)>& edit);
    // Counts the images set or edited: an image read again with the same
    // bytes is still a new one, whose values replace what the pages show.
    int revision() const { return revision_; }

    // The stored-fault list as shown: numbered lines, each ended by CR LF.
    const QString& storedFaultText() const { return storedFaultText_; }
    void setStoredFaultText(const QString& text);
    // The fault memory was cleared: the list stays empty until the next image.
    void clearStoredFaultText() { setStoredFaultText(QString()); }

    // The link read a settings image.
    void settingsImageReceived(const QByteArray& block) { setParameterBlock(block); }

private:
    void notify();

    std::vector<SettingsObserver*> observers_;
    QByteArray parameterBlock_;
    int revision_ = 0;
    QString storedFaultText_;
};

}  // namespace brivel
