#include "sim/DriveProfile.h"

#include <algorithm>

namespace brivel::sim {

DriveProfile::DriveProfile(QString name, std::vector<DrivePoint> points, bool loops)
    : name_(std::move(name)), points_(std::move(points)), loops_(loops)
{
    std::stable_sort(points_.begin(), points_.end(),
                     [](const DrivePoint& a, const DrivePoint& b) { return a.atMs < b.atMs; });
}

DriveProfile DriveProfile::idle()
{
    return DriveProfile(QStringLiteral("idle"), {{0, IdleRpm, IdleLoad}});
}

DriveProfile DriveProfile::demo()
{
    // A fitter's round in the workshop yard: long enough at each stage for
    // the readings to settle, and ending where it began so that it loops
    // without a jump.
    return DriveProfile(QStringLiteral("demo"),
                        {
                            {0, IdleRpm, IdleLoad},
                            {20000, IdleRpm, IdleLoad},
                            {23000, 3000, 0.55},
                            {28000, 3000, 0.55},
                            {31000, 2500, 0.35},
                            {55000, 2500, 0.35},
                            {58000, 1200, 0.0},  // foot off: the engine brakes
                            {60000, IdleRpm, IdleLoad},
                            {75000, IdleRpm, IdleLoad},
                        },
                        true);
}

std::optional<DriveProfile> DriveProfile::named(const QString& name)
{
    if (name == QLatin1String("idle"))
        return idle();
    if (name == QLatin1String("demo"))
        return demo();
    return std::nullopt;
}

QStringList DriveProfile::names()
{
    return {QStringLiteral("idle"), QStringLiteral("demo")};
}

qint64 DriveProfile::lengthMs() const
{
    return points_.empty() ? 0 : points_.back().atMs;
}

DriveProfile::Demand DriveProfile::demandAt(qint64 ms) const
{
    if (points_.empty())
        return {IdleRpm, IdleLoad};
    const qint64 length = lengthMs();
    if (loops_ && length > 0)
        ms %= length;
    if (ms <= points_.front().atMs)
        return {points_.front().rpm, points_.front().load};
    if (ms >= length)
        return {points_.back().rpm, points_.back().load};
    const auto next = std::upper_bound(points_.begin(), points_.end(), ms,
                                       [](qint64 t, const DrivePoint& p) { return t < p.atMs; });
    const DrivePoint& b = *next;
    const DrivePoint& a = *(next - 1);
    const double f = static_cast<double>(ms - a.atMs) / static_cast<double>(b.atMs - a.atMs);
    return {a.rpm + (b.rpm - a.rpm) * f, a.load + (b.load - a.load) * f};
}

}  // namespace brivel::sim
