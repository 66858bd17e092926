#include "BlockBuilder.h"
#include "QtPrinters.h"
#include "i18n/MessageTable.h"
#include "settings/SettingsModel.h"

#include <gtest/gtest.h>

#include <QtTest/QSignalSpy>

using namespace brivel;
using namespace brivel::settings;

namespace {

constexpr int CylinderCount = 22;
constexpr int EngineFlags = 34;
constexpr int FaultMemory = 561;

class SettingsModelTest : public ::testing::Test {
protected:
    MessageTable messages;
    SettingsModel model{messages};
    QSignalSpy display{&model, &SettingsModel::displayChanged};
    QSignalSpy axis{&model, &SettingsModel::mapAxisMaximumChanged};
    QSignalSpy faults{&model, &SettingsModel::storedFaultTextChanged};
    QSignalSpy image{&model, &SettingsModel::parameterBlockChanged};

    QList<qsizetype> counts() const
    {
        return {display.count(), axis.count(), faults.count(), image.count()};
    }
};

TEST_F(SettingsModelTest, EachImageIsToldOnceOnEverySignalEvenWithTheSameBytes)
{
    const QByteArray block = test::settingsBlock({{CylinderCount, 1}, {FaultMemory, 0x08}});
    model.setParameterBlock(block);
    EXPECT_EQ(counts(), (QList<qsizetype>{1, 1, 1, 1}));
    model.setParameterBlock(block);
    EXPECT_EQ(counts(), (QList<qsizetype>{2, 2, 2, 2}));

    EXPECT_EQ(image.last().at(0).toByteArray(), block);
    EXPECT_EQ(display.last().at(0).value<SettingsDisplay>().Sel_cyl, 1);
    EXPECT_EQ(faults.last().at(0).toString(), QStringLiteral("1 - Błąd zasilania\r\n8\r\n"));
    EXPECT_EQ(model.storedFaultText(), faults.last().at(0).toString());
}

TEST_F(SettingsModelTest, ClearingTheFaultMemoryTellsOnlyTheFaultList)
{
    model.setParameterBlock(test::settingsBlock({{FaultMemory, 0x03}}));
    model.clearStoredFaultText();
    EXPECT_EQ(counts(), (QList<qsizetype>{1, 1, 2, 1}));
    EXPECT_EQ(faults.last().at(0).toString(), QString());
    EXPECT_TRUE(model.storedFaultText().isEmpty());
}

TEST_F(SettingsModelTest, AnEditPatchesTheImageAndShowsItAsANewOne)
{
    model.setParameterBlock(test::settingsBlock({{CylinderCount, 1}}));
    model.editParameterBlock([](ParameterBlock& b) { b.patch(CylinderCount, 5); });
    EXPECT_EQ(counts(), (QList<qsizetype>{2, 2, 2, 2}));
    EXPECT_EQ(static_cast<quint8>(model.parameterBlock()[CylinderCount]), 5);
    EXPECT_EQ(model.display().Sel_cyl, 4);  // "8 cyl."
}

struct AxisCase {
    const char* name;
    QByteArray block;
    QList<int> maxima;
};

class MapAxis : public SettingsModelTest, public ::testing::WithParamInterface<AxisCase> {};

TEST_P(MapAxis, FollowsTheEngineTypeOfEachImage)
{
    model.setParameterBlock(GetParam().block);
    QList<int> maxima;
    for (const QList<QVariant>& told : axis)
        maxima.append(told.at(0).toInt());
    EXPECT_EQ(maxima, GetParam().maxima);
    EXPECT_EQ(display.count(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Images, MapAxis,
    ::testing::Values(AxisCase{"Turbo", test::settingsBlock({{EngineFlags, 0x08}}), {252}},
                      AxisCase{"Standard", test::settingsBlock({{EngineFlags, 0x02}}), {126}},
                      // No engine flags in the image: the axis stays as it is.
                      AxisCase{"Short", test::settingsBlock({}, 30), {}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(SettingsModelTest, TheFittersEngineTypeMovesOnlyTheMapAxis)
{
    model.chooseEngineType(1);
    model.chooseEngineType(0);
    EXPECT_EQ(counts(), (QList<qsizetype>{0, 2, 0, 0}));
    EXPECT_EQ(axis.at(0).at(0).toInt(), 252);
    EXPECT_EQ(axis.at(1).at(0).toInt(), 126);
}

TEST_F(SettingsModelTest, TheLinksImageIsTheModelsImage)
{
    const QByteArray block = test::settingsBlock({{CylinderCount, 3}});
    model.settingsImageReceived(block);
    EXPECT_EQ(model.parameterBlock(), block);
    EXPECT_EQ(counts(), (QList<qsizetype>{1, 1, 1, 1}));
}

}  // namespace
