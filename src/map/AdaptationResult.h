#pragma once

#include "map/InjectionMap.h"

#include <QtCore/QByteArray>
#include <QtCore/QLocale>
#include <QtCore/QString>

#include <array>

namespace brivel::map {

// What the adaptation makes of its record at the end: the result command
// for the controller, the multiplier m with its advice on injectors and gas
// pressure, and a new map laid along the fixed shape so that it holds m at
// the entry of the recorded petrol time p.
class AdaptationResult {
public:
    // The new map is defined for these base entries only: below, the
    // petrol time is under 1.0 ms (or there were no samples at all); above,
    // the shape has no entry.
    static constexpr int LowestBase = 10;
    static constexpr int HighestBase = 246;
    // A map still flat at its default at the probe entries gets this much
    // more multiplier.
    static constexpr qint32 FlatDefault = 100;
    static constexpr int FlatMapRaise = 2;
    static constexpr std::array<int, 4> FlatProbeEntries = {2, 30, 100, 200};
    // The advice thresholds, in hundredths.
    static constexpr int LowestGoodMultiplier = 110;
    static constexpr int HighestGoodMultiplier = 160;
    static constexpr double GasPressureDivisor = 1.66666;
    static constexpr int MultiplierMessage = 18;

    enum class Verdict {
        Write,            // send the result and the new map
        BaseOutsideMap,   // p outside 10…246: no map can be laid; nothing is sent
        ValueOutOfRange,  // an entry of the new map would leave 0…255; nothing is sent
    };

    // The averages of record rows 0, 2, 3 and 4; `mapEntry` reads the
    // program's injection map; `multiplierCaption` is message 18.
    struct Input {
        int gasPressure;                    // avg0
        int petrolTime;                     // avg2 = p
        int multiplier;                     // avg3
        int gasTemp;                        // avg4
        std::array<qint32, 4> probeValues;  // map entries 2, 30, 100, 200
        QString multiplierCaption;
        QLocale locale;
    };

    static AdaptationResult compute(const Input& in);

    Verdict verdict() const { return verdict_; }
    int base() const { return p_; }
    // m, after the flat-map raise.
    int multiplier() const { return m_; }
    bool raisedForFlatMap() const { return raised_; }
    // The lines appended to the info text: CR LF, the caption and m, CR LF
    // and the advice. Empty when the base is outside the map, since m and
    // the advice then rest on no usable measurement.
    const QString& infoLines() const { return info_; }
    // The commands of a result to write: 0x20 with p, the result 0x02 (with
    // the multiplier as recorded, before the raise), 0x0B with the new map.
    QByteArray baseCommand() const;
    const QByteArray& resultCommand() const { return resultCommand_; }
    QByteArray mapCommand() const;
    const std::array<qint32, InjectionMap::Entries>& newMap() const { return newMap_; }
    // With ValueOutOfRange: the first entry of the new map that leaves
    // 0…255, and the value it would have had.
    int entryOutside() const { return entryOutside_; }
    qint32 valueOutside() const { return valueOutside_; }

    // Why a result is not written, with its values, in the texts of
    // `baseOutside` (message AdaptationBaseOutside) or `valueOutside`
    // (AdaptationValueOutside) and the numbers of `locale`; empty for a
    // result that is written.
    QString refusalText(const QString& baseOutside, const QString& valueOutside,
                        const QLocale& locale) const;

    // m / 100 in the general format with up to 15 significant digits.
    static QString multiplierText(int m, const QLocale& locale);
    // The fixed advice for m.
    static QString advice(int m);

private:
    Verdict verdict_ = Verdict::BaseOutsideMap;
    int p_ = 0;
    int m_ = 0;
    bool raised_ = false;
    int entryOutside_ = 0;
    qint32 valueOutside_ = 0;
    QString info_;
    QByteArray resultCommand_;
    std::array<qint32, InjectionMap::Entries> newMap_{};
};

}  // namespace brivel::map
