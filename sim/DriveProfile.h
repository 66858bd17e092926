#pragma once

#include <QtCore/QString>
#include <QtCore/QStringList>

#include <optional>
#include <vector>

namespace brivel::sim {

// One point of a drive: from `atMs` after the start the driver asks for
// `rpm` at `load` (0 = foot off, 1 = wide open throttle).
struct DrivePoint {
    qint64 atMs;
    double rpm;
    double load;
};

// What the driver asks of the engine over time: straight ramps between its
// points, held at the last one, or started again from the first when the
// profile loops.
class DriveProfile {
public:
    struct Demand {
        double rpm;
        double load;
    };

    static constexpr double IdleRpm = 820;
    static constexpr double IdleLoad = 0.04;

    // Points in any order; they are kept sorted by time. No points at all
    // is an idling engine.
    DriveProfile(QString name, std::vector<DrivePoint> points, bool loops = false);

    // A warm engine left idling.
    static DriveProfile idle();
    // Idle, a rev to 3000, a cruise at 2500 and back to idle, over and over.
    static DriveProfile demo();
    // The ready-made profiles by name, "idle" and "demo".
    static std::optional<DriveProfile> named(const QString& name);
    static QStringList names();

    const QString& name() const { return name_; }
    bool loops() const { return loops_; }
    // The time of the last point: a looping profile's period.
    qint64 lengthMs() const;
    Demand demandAt(qint64 ms) const;

private:
    QString name_;
    std::vector<DrivePoint> points_;
    bool loops_;
};

}  // namespace brivel::sim
