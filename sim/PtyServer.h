#pragma once

#include "sim/ControllerEmulator.h"

#include <QtCore/QObject>
#include <QtCore/QString>

class QSocketNotifier;

namespace brivel::sim {

// Serves the emulated controller on a pseudo-terminal: a program opens the
// slave end as its serial port, and the emulator reads and answers on the
// master end in raw mode.
class PtyServer final : public QObject {
    Q_OBJECT
public:
    explicit PtyServer(Clock& clock, QObject* parent = nullptr);
    ~PtyServer() override;

    // Creates the pseudo-terminal; on failure returns false with the reason.
    bool open(QString* error);
    // The path a program opens, e.g. "/dev/pts/5".
    QString slavePath() const { return slavePath_; }
    ControllerEmulator& emulator() { return emulator_; }

private:
    void readMaster();
    void writeMaster(const QByteArray& bytes);

    ControllerEmulator emulator_;
    int master_ = -1;
    // Held open so that the master never sees a hang-up while the program
    // closes and reopens the port.
    int slave_ = -1;
    QString slavePath_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace brivel::sim
