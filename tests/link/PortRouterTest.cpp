#include "QtPrinters.h"
#include "TestSerialPort.h"
#include "link/PortRouter.h"
#include "platform/PlatformError.h"

#include <gtest/gtest.h>

using namespace brivel;
using brivel::test::TestSerialPort;

namespace {

class PortRouterTest : public ::testing::Test {
protected:
    PortRouterTest()
    {
        auto deviceOwned = std::make_unique<TestSerialPort>();
        auto demoOwned = std::make_unique<TestSerialPort>();
        device = deviceOwned.get();
        demo = demoOwned.get();
        device->presentPorts = {QStringLiteral("ttyS0"), QStringLiteral("ttyUSB0")};
        router = std::make_unique<PortRouter>(std::move(deviceOwned), std::move(demoOwned),
                                              QStringLiteral("Demo"));
        router->setReceiveHandler([this](int waiting) { received += router->read(waiting); });
        router->setBaudRate(QStringLiteral("Custom"));
        router->setCustomBaudRate(7200);
    }

    TestSerialPort* device = nullptr;
    TestSerialPort* demo = nullptr;
    std::unique_ptr<PortRouter> router;
    QByteArray received;
};

TEST_F(PortRouterTest, TheAlternativeNameOpensTheAlternativeWithTheSameLineSettings)
{
    router->setPortName(QStringLiteral("Demo"));
    router->open();
    EXPECT_TRUE(router->isOpen());
    EXPECT_TRUE(demo->isOpen());
    EXPECT_FALSE(device->isOpen());
    EXPECT_EQ(demo->settings().effectiveBaudRate(), 7200);

    router->write("abc");
    EXPECT_EQ(demo->takeWritten(), QByteArray("abc"));
    demo->feed("xyz");
    device->feed("ignored");
    EXPECT_EQ(received, QByteArray("xyz"));

    router->close();
    EXPECT_FALSE(demo->isOpen());
    EXPECT_THROW(router->write("x"), PlatformError);
}

TEST_F(PortRouterTest, PlaysARecordingOnlyUnderTheAlternativesNameWhenTheAlternativeDoes)
{
    demo->recording = true;
    device->recording = true;
    router->setPortName(QStringLiteral("ttyUSB0"));
    EXPECT_FALSE(router->playsRecording()) << "a device is a controller's line";
    router->setPortName(QStringLiteral("Demo"));
    EXPECT_TRUE(router->playsRecording()) << "also before it opens";
    demo->recording = false;
    EXPECT_FALSE(router->playsRecording());
}

TEST_F(PortRouterTest, AnyOtherNameIsTheDeviceAndRenamingMovesAnOpenPort)
{
    router->setPortName(QStringLiteral("ttyUSB0"));
    router->open();
    EXPECT_TRUE(device->isOpen());
    EXPECT_EQ(device->portName(), QStringLiteral("ttyUSB0"));
    router->setCustomBaudRate(9600);
    EXPECT_EQ(device->settings().effectiveBaudRate(), 9600);

    router->setPortName(QStringLiteral("Demo"));
    EXPECT_FALSE(device->isOpen());
    EXPECT_TRUE(demo->isOpen());
    EXPECT_EQ(router->availablePorts(), QStringList({"ttyS0", "ttyUSB0"}));
}

TEST_F(PortRouterTest, AFailedOpenLeavesTheRouterClosed)
{
    router->setPortName(QStringLiteral("ttyS0"));
    device->failNextOpen = true;
    EXPECT_THROW(router->open(), PlatformError);
    EXPECT_FALSE(router->isOpen());
    EXPECT_THROW(router->write("x"), PlatformError);
}

TEST_F(PortRouterTest, OnlyTheActivePortsFaultsReachTheLink)
{
    std::vector<PortFault::Kind> faults;
    router->setFaultHandler([&](const PortFault& fault) { faults.push_back(fault.kind); });
    router->setPortName(QStringLiteral("ttyUSB0"));
    router->open();
    demo->fail({PortFault::Kind::ReadFailed, 5, QString()});
    EXPECT_TRUE(faults.empty());
    device->fail({PortFault::Kind::DeviceGone, 19, QString()});
    EXPECT_EQ(faults, std::vector<PortFault::Kind>{PortFault::Kind::DeviceGone});
    EXPECT_FALSE(router->isOpen());
}

}  // namespace
