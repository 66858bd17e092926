#include "widgets/TSignalSettings.h"

#include "widgets/FormatPicture.h"

namespace brivel {

TSignalSettings::TSignalSettings(QObject* parent) : QObject(parent) {}

void TSignalSettings::setDigitalFrom(int digitalFrom)
{
    if (range_.digitalFrom == digitalFrom)
        return;
    range_.digitalFrom = digitalFrom;
    emit changed();
}

void TSignalSettings::setDigitalTo(int digitalTo)
{
    if (range_.digitalTo == digitalTo)
        return;
    range_.digitalTo = digitalTo;
    emit changed();
}

void TSignalSettings::setValueFrom(float valueFrom)
{
    if (valueFrom == range_.valueFrom || valueFrom == range_.valueTo)
        return;
    if (valueFrom == 0.0f) {
        valueFrom = kZeroValueFrom;
        if (valueFrom == range_.valueFrom || valueFrom == range_.valueTo)
            return;
    }
    range_.valueFrom = valueFrom;
    emit changed();
}

void TSignalSettings::setValueTo(float valueTo)
{
    if (valueTo == range_.valueFrom || valueTo == range_.valueTo)
        return;
    range_.valueTo = valueTo;
    emit changed();
}

void TSignalSettings::setValueRange(float valueFrom, float valueTo)
{
    if (valueFrom == 0.0f)
        valueFrom = kZeroValueFrom;
    if (valueFrom == valueTo || (valueFrom == range_.valueFrom && valueTo == range_.valueTo))
        return;
    range_.valueFrom = valueFrom;
    range_.valueTo = valueTo;
    emit changed();
}

void TSignalSettings::setValueFormat(const QString& valueFormat)
{
    if (valueFormat_ == valueFormat)
        return;
    valueFormat_ = valueFormat;
    emit changed();
}

void TSignalSettings::setValueUnit(const QString& valueUnit)
{
    if (valueUnit_ == valueUnit)
        return;
    valueUnit_ = valueUnit;
    emit changed();
}

void TSignalSettings::setName1(const QString& name1)
{
    if (name1_ == name1)
        return;
    name1_ = name1;
    emit changed();
}

void TSignalSettings::setName2(const QString& name2)
{
    if (name2_ == name2)
        return;
    name2_ = name2;
    emit changed();
}

void TSignalSettings::assign(const TSignalSettings& other)
{
    if (&other == this)
        return;
    const signalmath::Range& r = other.range_;
    const bool same = range_.digitalFrom == r.digitalFrom && range_.digitalTo == r.digitalTo &&
                      range_.valueFrom == r.valueFrom && range_.valueTo == r.valueTo &&
                      valueFormat_ == other.valueFormat_ && valueUnit_ == other.valueUnit_ &&
                      name1_ == other.name1_ && name2_ == other.name2_;
    if (same)
        return;
    range_ = r;
    valueFormat_ = other.valueFormat_;
    valueUnit_ = other.valueUnit_;
    name1_ = other.name1_;
    name2_ = other.name2_;
    emit changed();
}

double TSignalSettings::valueToDigitFactor() const
{
    const double s = valueSpan();
    return s == 0.0 ? 0.0 : digitalSpan() / s;
}

double TSignalSettings::digitToValueFactor() const
{
    const int d = digitalSpan();
    return d == 0 ? 0.0 : valueSpan() / d;
}

QString TSignalSettings::widthTemplate() const
{
    return picture::widthTemplate(valueFormat_);
}

QString TSignalSettings::format(double value) const
{
    return picture::formatFloat(value, valueFormat_);
}

}  // namespace brivel
