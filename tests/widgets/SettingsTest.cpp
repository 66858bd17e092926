#include "KitTest.h"

#include "widgets/ui/TAbSBevel.h"
#include "widgets/ui/TArrowSettings.h"
#include "widgets/ui/TBarSettings.h"
#include "widgets/ui/TLED.h"
#include "widgets/ui/TMinMax.h"
#include "widgets/ui/TScaleSettings.h"
#include "widgets/ui/TSectorSettings.h"
#include "widgets/TSignalSettings.h"

#include <QtCore/QMetaProperty>
#include <QtTest/QSignalSpy>

#include <memory>

namespace brivel::test {
namespace {

TEST(SignalSettings, DefaultsAndDerivedValues)
{
    TSignalSettings s;
    EXPECT_EQ(s.digitalFrom(), 0);
    EXPECT_EQ(s.digitalTo(), 1000);
    EXPECT_EQ(s.valueFrom(), 0.0f);
    EXPECT_EQ(s.valueTo(), 100.0f);
    EXPECT_EQ(s.valueFormat(), QStringLiteral("##0.0"));
    EXPECT_EQ(s.valueUnit(), QStringLiteral("%"));
    EXPECT_EQ(s.name1(), QStringLiteral("SignalName1"));
    EXPECT_EQ(s.name2(), QStringLiteral("SignalName2"));
    EXPECT_DOUBLE_EQ(s.valueToDigitFactor(), 10.0);
    EXPECT_DOUBLE_EQ(s.digitToValueFactor(), 0.1);
    s.setValueFormat(QStringLiteral("#0.0;-#0.00"));
    EXPECT_EQ(s.widthTemplate(), QStringLiteral("-#0.00"));
}

TEST(SignalSettings, RangeBoundsThatWouldCloseTheSpanAreIgnored)
{
    TSignalSettings s;
    QSignalSpy changed(&s, &TSignalSettings::changed);
    s.setValueFrom(100);  // equal to ValueTo
    s.setValueTo(0);      // equal to ValueFrom
    s.setValueTo(100);    // unchanged
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(s.valueFrom(), 0.0f);
    EXPECT_EQ(s.valueTo(), 100.0f);

    s.setValueFrom(20);
    s.setValueFrom(0);  // stored as the small positive stand-in
    EXPECT_EQ(s.valueFrom(), TSignalSettings::kZeroValueFrom);
    EXPECT_EQ(changed.count(), 2);
}

TEST(SignalSettings, WholeRangeInOneStep)
{
    TSignalSettings s;  // 0-100: setting 100-200 bound by bound would lose 100
    QSignalSpy changed(&s, &TSignalSettings::changed);
    s.setValueRange(100, 200);
    EXPECT_EQ(s.valueFrom(), 100.0f);
    EXPECT_EQ(s.valueTo(), 200.0f);
    s.setValueRange(50, 50);  // no span
    s.setValueRange(100, 200);
    EXPECT_EQ(changed.count(), 1);
}

TEST(SignalSettings, AssignCopiesEverythingWithOneNotification)
{
    TSignalSettings from;
    from.setValueRange(0.4f, 2.5f);
    from.setDigitalFrom(40);
    from.setDigitalTo(250);
    from.setValueFormat(QStringLiteral("#0.00"));
    from.setValueUnit(QStringLiteral("bar"));
    from.setName1(QStringLiteral("P. pracy"));
    TSignalSettings to;
    QSignalSpy changed(&to, &TSignalSettings::changed);
    to.assign(from);
    to.assign(from);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(to.range().digitalFrom, 40);
    EXPECT_EQ(to.valueTo(), 2.5f);
    EXPECT_EQ(to.valueFormat(), QStringLiteral("#0.00"));
    EXPECT_EQ(to.name1(), QStringLiteral("P. pracy"));
}

TEST(SectorSettings, DefaultsAreYellowGreenRedThirds)
{
    TSectorSettings s;
    EXPECT_EQ(s.color(0), QColor(255, 255, 0));
    EXPECT_EQ(s.color(1), QColor(0, 128, 0));
    EXPECT_EQ(s.color(2), QColor(255, 0, 0));
    EXPECT_EQ(s.bounds(1).from, 334);
    EXPECT_EQ(s.bounds(2).to, 1000);
}

TEST(MinMax, StartsInvertedAndRecordsExtremesWithTheirTimes)
{
    TMinMax m;
    EXPECT_EQ(m.min(), 9999999.0f);
    EXPECT_EQ(m.max(), -9999999.0f);
    EXPECT_TRUE(m.record(5, 10));
    EXPECT_TRUE(m.record(2, 20));
    EXPECT_FALSE(m.record(3, 30));
    EXPECT_TRUE(m.record(8, 40));
    EXPECT_EQ(m.min(), 2.0f);
    EXPECT_EQ(m.minTimeMs(), 20);
    EXPECT_EQ(m.max(), 8.0f);
    EXPECT_EQ(m.maxTimeMs(), 40);
}

TEST(BarSettings, SizesAreAtLeastOnePixel)
{
    TBarSettings b;
    b.setMinHeight(0);
    b.setMinWidth(-3);
    EXPECT_EQ(b.minHeight(), 1);
    EXPECT_EQ(b.minWidth(), 1);
}

// Another value of the same type, or an invalid variant for types this
// test does not vary (enumerations).
QVariant otherValue(const QVariant& v)
{
    switch (v.typeId()) {
        case QMetaType::Bool:
            return !v.toBool();
        case QMetaType::Int:
            return v.toInt() + 1;
        case QMetaType::LongLong:
            return v.toLongLong() + 1;
        case QMetaType::Float:
            return v.toFloat() + 1.0f;
        case QMetaType::QString:
            return v.toString() + QLatin1Char('x');
        case QMetaType::QColor: {
            const QColor c = v.value<QColor>();
            return QColor(255 - c.red(), 255 - c.green(), 255 - c.blue());
        }
        case QMetaType::QFont: {
            QFont f = v.value<QFont>();
            f.setPixelSize(f.pixelSize() + 1);
            return f;
        }
        default:
            return {};
    }
}

// Every settings object notifies its owner once for a real change and not at
// all for a write of the value it already has (which would cost a repaint).
TEST(SettingsObjects, NotifyOnlyRealChanges)
{
    std::vector<std::unique_ptr<QObject>> objects;
    objects.emplace_back(new TSignalSettings);
    objects.emplace_back(new TSectorSettings);
    objects.emplace_back(new TMinMax);
    objects.emplace_back(new TScaleSettings);
    objects.emplace_back(new TBarSettings);
    objects.emplace_back(new TLED);
    objects.emplace_back(new TArrowSettings);
    objects.emplace_back(new TAbSBevel);
    for (const auto& object : objects) {
        const QMetaObject* meta = object->metaObject();
        QSignalSpy changed(object.get(), meta->method(meta->indexOfSignal("changed()")));
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
            const QMetaProperty p = meta->property(i);
            const std::string name = std::string(meta->className()) + "::" + p.name();
            const QVariant current = p.read(object.get());
            p.write(object.get(), current);
            EXPECT_EQ(changed.count(), 0) << name;
            const QVariant other = otherValue(current);
            if (other.isValid()) {
                p.write(object.get(), other);
                EXPECT_EQ(changed.count(), 1) << name;
            }
            changed.clear();
        }
    }
}

}  // namespace
}  // namespace brivel::test
