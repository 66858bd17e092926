#include "map/AdaptationResult.h"

#include "map/MapShape.h"

#include "link/Commands.h"
#include "link/Rounding.h"

#include <algorithm>

namespace brivel::map {

namespace {

const QString LineEnd = QStringLiteral("\r\n");

quint8 byteOf(int value)
{
    return static_cast<quint8>(std::clamp(value, 0, 255));
}

}  // namespace

QString AdaptationResult::multiplierText(int m, const QLocale& locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
    return plain.toString(m / 100.0, 'g', 15);
}

QString AdaptationResult::advice(int m)
{
    if (m < LowestGoodMultiplier)
        return QStringLiteral("zmniejsz dysze wtryskiwaczy lub zmniejsz ciśnienie gazu ");
    if (m > HighestGoodMultiplier)
        return QStringLiteral("zwiększ dysze wtryskiwaczy lub zwiększ ciśnienie gazu ");
    return QStringLiteral("dysze ok,ciśnienie ok");
}

AdaptationResult AdaptationResult::compute(const Input& in)
{
    AdaptationResult r;
    r.resultCommand_ =
        command::make(command::AdaptationResult,
                      {byteOf(in.gasPressure), byteOf(in.petrolTime), byteOf(in.multiplier),
                       byteOf(in.gasTemp), payloadByte(in.gasPressure / GasPressureDivisor)});
    r.p_ = in.petrolTime;
    r.m_ = in.multiplier;
    r.raised_ = std::all_of(in.probeValues.begin(), in.probeValues.end(),
                            [](qint32 v) { return v == FlatDefault; });
    if (r.raised_)
        r.m_ += FlatMapRaise;

    if (r.p_ < LowestBase || r.p_ > HighestBase) {
        r.verdict_ = Verdict::BaseOutsideMap;
        return r;
    }
    r.info_ =
        LineEnd + in.multiplierCaption + multiplierText(r.m_, in.locale) + LineEnd + advice(r.m_);
    bool fits = true;
    for (int k = 1; k <= InjectionMap::Entries; ++k) {
        const qint32 value = r.m_ + MapShape::offset(k) - MapShape::offset(r.p_);
        r.newMap_[k - 1] = value;
        if (fits && !InjectionMap::fitsInByte(value)) {
            r.entryOutside_ = k;
            r.valueOutside_ = value;
        }
        fits = fits && InjectionMap::fitsInByte(value);
    }
    r.verdict_ = fits ? Verdict::Write : Verdict::ValueOutOfRange;
    return r;
}

QString AdaptationResult::refusalText(const QString& baseOutside, const QString& valueOutside,
                                      const QLocale& locale) const
{
    QLocale numbers = locale;
    numbers.setNumberOptions(numbers.numberOptions() | QLocale::OmitGroupSeparator);
    switch (verdict_) {
        case Verdict::Write:
            return QString();
        case Verdict::BaseOutsideMap:
            // p is the average petrol time in tenths of a millisecond.
            return baseOutside.arg(numbers.toString(p_), numbers.toString(LowestBase),
                                   numbers.toString(HighestBase),
                                   numbers.toString(p_ / 10.0, 'f', 1));
        case Verdict::ValueOutOfRange:
            return valueOutside.arg(numbers.toString(entryOutside_),
                                    numbers.toString(valueOutside_ / 100.0, 'f', 2),
                                    numbers.toString(0.0, 'f', 2), numbers.toString(2.55, 'f', 2));
    }
    return QString();
}

QByteArray AdaptationResult::baseCommand() const
{
    QByteArray payload(20, '\0');
    payload[10] = static_cast<char>(0x0A);
    payload[11] = static_cast<char>(byteOf(p_));
    payload[12] = static_cast<char>(0xFF);
    return command::make(command::MapAux, payload);
}

QByteArray AdaptationResult::mapCommand() const
{
    QByteArray payload(InjectionMap::Entries, '\0');
    for (int k = 0; k < InjectionMap::Entries; ++k)
        payload[k] = static_cast<char>(byteOf(newMap_[k]));
    return command::make(command::WriteMap, payload);
}

}  // namespace brivel::map
