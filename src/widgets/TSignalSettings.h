#pragma once

#include "widgets/SignalMath.h"

#include <QtCore/QObject>
#include <QtCore/QString>

namespace brivel {

// Value range, digital range, format, unit and names of one signal.
class TSignalSettings final : public QObject {
    Q_OBJECT
    Q_PROPERTY(int digitalFrom READ digitalFrom WRITE setDigitalFrom NOTIFY changed)
    Q_PROPERTY(int digitalTo READ digitalTo WRITE setDigitalTo NOTIFY changed)
    Q_PROPERTY(float valueFrom READ valueFrom WRITE setValueFrom NOTIFY changed)
    Q_PROPERTY(float valueTo READ valueTo WRITE setValueTo NOTIFY changed)
    Q_PROPERTY(QString valueFormat READ valueFormat WRITE setValueFormat NOTIFY changed)
    Q_PROPERTY(QString valueUnit READ valueUnit WRITE setValueUnit NOTIFY changed)
    Q_PROPERTY(QString name1 READ name1 WRITE setName1 NOTIFY changed)
    Q_PROPERTY(QString name2 READ name2 WRITE setName2 NOTIFY changed)

public:
    // What a ValueFrom of exactly 0 is stored as.
    static constexpr float kZeroValueFrom = 0.000001f;

    explicit TSignalSettings(QObject* parent = nullptr);

    int digitalFrom() const { return range_.digitalFrom; }
    void setDigitalFrom(int digitalFrom);
    int digitalTo() const { return range_.digitalTo; }
    void setDigitalTo(int digitalTo);

    float valueFrom() const { return range_.valueFrom; }
    // Ignored when equal to the current ValueFrom or ValueTo, which keeps the
    // value span from becoming zero. 0 is stored as kZeroValueFrom.
    void setValueFrom(float valueFrom);
    float valueTo() const { return range_.valueTo; }
    // Ignored when equal to the current ValueFrom or ValueTo.
    void setValueTo(float valueTo);
    // Both bounds in one step, so a new range need not be entered in an order
    // that avoids the old bounds. Ignored when from equals to.
    void setValueRange(float valueFrom, float valueTo);

    QString valueFormat() const { return valueFormat_; }
    void setValueFormat(const QString& valueFormat);
    QString valueUnit() const { return valueUnit_; }
    void setValueUnit(const QString& valueUnit);
    QString name1() const { return name1_; }
    void setName1(const QString& name1);
    QString name2() const { return name2_; }
    void setName2(const QString& name2);

    // Takes over every field of `other`; one notification when anything differs.
    void assign(const TSignalSettings& other);

    // Derived values.
    const signalmath::Range& range() const { return range_; }
    double valueSpan() const { return range_.valueSpan(); }
    int digitalSpan() const { return range_.digitalSpan(); }
    double valueToDigitFactor() const;
    double digitToValueFactor() const;
    // The text a read-out sizes its value box by.
    QString widthTemplate() const;
    QString format(double value) const;

signals:
    void changed();

private:
    signalmath::Range range_;
    QString valueFormat_ = QStringLiteral("##0.0");
    QString valueUnit_ = QStringLiteral("%");
    QString name1_ = QStringLiteral("SignalName1");
    QString name2_ = QStringLiteral("SignalName2");
};

}  // namespace brivel
