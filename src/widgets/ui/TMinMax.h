#pragma once

#include <QtCore/QObject>
#include <QtGui/QColor>

namespace brivel {

// The lowest and highest value an analog display has shown, when they were
// reached (clock milliseconds), and how their markers look.
class TMinMax final : public QObject {
    Q_OBJECT
    Q_PROPERTY(float min READ min WRITE setMin NOTIFY changed)
    Q_PROPERTY(float max READ max WRITE setMax NOTIFY changed)
    Q_PROPERTY(qint64 minTimeMs READ minTimeMs WRITE setMinTimeMs NOTIFY changed)
    Q_PROPERTY(qint64 maxTimeMs READ maxTimeMs WRITE setMaxTimeMs NOTIFY changed)
    Q_PROPERTY(QColor minColor READ minColor WRITE setMinColor NOTIFY changed)
    Q_PROPERTY(QColor maxColor READ maxColor WRITE setMaxColor NOTIFY changed)
    Q_PROPERTY(bool useSectorCol READ useSectorCol WRITE setUseSectorCol NOTIFY changed)
    Q_PROPERTY(bool minVisible READ minVisible WRITE setMinVisible NOTIFY changed)
    Q_PROPERTY(bool maxVisible READ maxVisible WRITE setMaxVisible NOTIFY changed)

public:
    explicit TMinMax(QObject* parent = nullptr);

    float min() const { return min_; }
    void setMin(float min);
    float max() const { return max_; }
    void setMax(float max);
    qint64 minTimeMs() const { return minTimeMs_; }
    void setMinTimeMs(qint64 minTimeMs);
    qint64 maxTimeMs() const { return maxTimeMs_; }
    void setMaxTimeMs(qint64 maxTimeMs);
    QColor minColor() const { return minColor_; }
    void setMinColor(const QColor& minColor);
    QColor maxColor() const { return maxColor_; }
    void setMaxColor(const QColor& maxColor);
    bool useSectorCol() const { return useSectorCol_; }
    void setUseSectorCol(bool useSectorCol);
    bool minVisible() const { return minVisible_; }
    void setMinVisible(bool minVisible);
    bool maxVisible() const { return maxVisible_; }
    void setMaxVisible(bool maxVisible);

    static constexpr float kMinStart = 9999999.0f;
    static constexpr float kMaxStart = -9999999.0f;

    // Back to the state of a freshly loaded widget, where the next value
    // becomes both minimum and maximum.
    void reset();
    // Takes a value reached at `nowMs`; true when the minimum or the maximum
    // moved. The owner reports that, so this does not notify.
    bool record(float value, qint64 nowMs);

signals:
    void changed();

private:
    float min_ = kMinStart;
    float max_ = kMaxStart;
    qint64 minTimeMs_ = 0;
    qint64 maxTimeMs_ = 0;
    QColor minColor_ = QColor(0, 0, 255);
    QColor maxColor_ = QColor(255, 0, 0);
    bool useSectorCol_ = false;
    bool minVisible_ = false;
    bool maxVisible_ = false;
};

}  // namespace brivel
