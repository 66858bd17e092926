#include "platform/qt/QtSettingsStore.h"

#include <gtest/gtest.h>

#include <QtCore/QTemporaryDir>

using namespace brivel;

TEST(QtSettingsStore, KeepsValuesAcrossInstancesWithSlashSeparatedKeys)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("brivel.ini"));
    {
        QtSettingsStore store(path);
        store.writeString(QStringLiteral("ComPort1/Port"), QStringLiteral("ttyUSB0"));
        store.writeInt(QStringLiteral("ComPort1/CustomBaudRate"), 7200);
        store.writeString(QStringLiteral("Lang/CurLang"), QStringLiteral("Ceski"));
        store.flush();
    }
    QtSettingsStore store(path);
    EXPECT_EQ(store.readString(QStringLiteral("ComPort1/Port")), QStringLiteral("ttyUSB0"));
    EXPECT_EQ(store.readInt(QStringLiteral("ComPort1/CustomBaudRate")), 7200);
    EXPECT_EQ(store.readString(QStringLiteral("Lang/CurLang")), QStringLiteral("Ceski"));
    EXPECT_FALSE(store.contains(QStringLiteral("Lang/Missing")));
    EXPECT_EQ(store.readInt(QStringLiteral("ComPort1/Port")), std::nullopt);
}
