#pragma once

#include "link/LinkListener.h"

#include <QtCore/QByteArray>
#include <QtCore/QString>

#include <vector>

namespace brivel {

class SettingsObserver;

// The controller's settings as last read: the settings image (the connect
// reply, or the reply to a settings read or a factory reset) and what the
// pages show of it. Tells its observers when a new image arrives.
class SettingsModel final : public LinkListener {
public:
    // Observers are told in the order they were added; none is owned.
    void addObserver(SettingsObserver& observer);

    // The settings image as the controller sent it, envelope included.
    const QByteArray& parameterBlock() const { return parameterBlock_; }
    void setParameterBlock(const QByteArray& block);
    // How many settings images have arrived: an observer tells a new image
    // from a notification about the stored faults alone.
    int imagesReceived() const { return imagesReceived_; }

    // The stored-fault list as shown: numbered lines, each ended by CR LF.
    const QString& storedFaultText() const { return storedFaultText_; }
    void setStoredFaultText(const QString& text);
    // The fault memory was cleared: the list stays empty until the next image.
    void clearStoredFaultText() { setStoredFaultText(QString()); }

    // LinkListener
    void settingsImageReceived(const QByteArray& block) override { setParameterBlock(block); }

private:
    void notify();

    std::vector<SettingsObserver*> observers_;
    QByteArray parameterBlock_;
    int imagesReceived_ = 0;
    QString storedFaultText_;
};

}  // namespace brivel
