#pragma once

#include "widgets/SignalMath.h"

#include <QtCore/QObject>
#include <QtGui/QColor>

#include <array>

namespace brivel {

// Three coloured sectors of a scale, bounds in per-mille of the scale, and
// where a round meter draws its sector band: the band's outer ellipse is the
// scale circle shrunk by `offset` on every side, its inner one shrunk further by
// a tenth of the dial width plus `widthOffset`.
class TSectorSettings final : public QObject {
    Q_OBJECT
    Q_PROPERTY(QColor sector1Color READ sector1Color WRITE setSector1Color NOTIFY changed)
    Q_PROPERTY(QColor sector2Color READ sector2Color WRITE setSector2Color NOTIFY changed)
    Q_PROPERTY(QColor sector3Color READ sector3Color WRITE setSector3Color NOTIFY changed)
    Q_PROPERTY(int sector1From READ sector1From WRITE setSector1From NOTIFY changed)
    Q_PROPERTY(int sector1To READ sector1To WRITE setSector1To NOTIFY changed)
    Q_PROPERTY(int sector2From READ sector2From WRITE setSector2From NOTIFY changed)
    Q_PROPERTY(int sector2To READ sector2To WRITE setSector2To NOTIFY changed)
    Q_PROPERTY(int sector3From READ sector3From WRITE setSector3From NOTIFY changed)
    Q_PROPERTY(int sector3To READ sector3To WRITE setSector3To NOTIFY changed)
    Q_PROPERTY(int offset READ offset WRITE setOffset NOTIFY changed)
    Q_PROPERTY(int widthOffset READ widthOffset WRITE setWidthOffset NOTIFY changed)

public:
    explicit TSectorSettings(QObject* parent = nullptr);

    QColor sector1Color() const { return sector1Color_; }
    void setSector1Color(const QColor& sector1Color);
    QColor sector2Color() const { return sector2Color_; }
    void setSector2Color(const QColor& sector2Color);
    QColor sector3Color() const { return sector3Color_; }
    void setSector3Color(const QColor& sector3Color);
    int sector1From() const { return sector1From_; }
    void setSector1From(int sector1From);
    int sector1To() const { return sector1To_; }
    void setSector1To(int sector1To);
    int sector2From() const { return sector2From_; }
    void setSector2From(int sector2From);
    int sector2To() const { return sector2To_; }
    void setSector2To(int sector2To);
    int sector3From() const { return sector3From_; }
    void setSector3From(int sector3From);
    int sector3To() const { return sector3To_; }
    void setSector3To(int sector3To);
    int offset() const { return offset_; }
    void setOffset(int offset);
    int widthOffset() const { return widthOffset_; }
    void setWidthOffset(int widthOffset);

    // Sectors by index 0..2.
    QColor color(int sector) const;
    signalmath::SectorBounds bounds(int sector) const;
    std::array<signalmath::SectorBounds, 3> allBounds() const;
    // Colour and bounds of one sector in one step.
    void setSector(int sector, const QColor& color, int from, int to);

signals:
    void changed();

private:
    QColor sector1Color_ = QColor(255, 255, 0);
    QColor sector2Color_ = QColor(0, 128, 0);
    QColor sector3Color_ = QColor(255, 0, 0);
    int sector1From_ = 0;
    int sector1To_ = 333;
    int sector2From_ = 334;
    int sector2To_ = 666;
    int sector3From_ = 667;
    int sector3To_ = 1000;
    int offset_ = 0;
    int widthOffset_ = 0;
};

}  // namespace brivel
