#include "QtPrinters.h"
#include "link/PortList.h"

#include <gtest/gtest.h>

using namespace brivel;

namespace {

struct Listing {
    QStringList present;
    QStringList offered;
    QStringList gone;
};

// Adapters come and go between the openings of the menu.
TEST(PortList, FollowsThePortsPresentAndTellsWhichWent)
{
    PortList list;
    const Listing steps[] = {
        {{"ttyS0"}, {"ttyS0"}, {}},
        // An adapter is plugged in: the order of the menu holds.
        {{"ttyUSB0", "ttyS0"}, {"ttyS0", "ttyUSB0"}, {}},
        {{"COM3", "ttyS0", "ttyUSB0", "COM1"}, {"COM1", "COM3", "ttyS0", "ttyUSB0"}, {}},
        // Pulled, and another one seen under a new name.
        {{"COM1", "ttyS0", "ttyUSB1"}, {"COM1", "ttyS0", "ttyUSB1"}, {"COM3", "ttyUSB0"}},
        {{}, {}, {"COM1", "ttyS0", "ttyUSB1"}},
        {{}, {}, {}},
    };
    for (const Listing& step : steps) {
        EXPECT_EQ(list.update(step.present), step.gone) << step.present.join(',').toStdString();
        EXPECT_EQ(list.offered(), step.offered) << step.present.join(',').toStdString();
    }
}

}  // namespace

TEST(PortLabel, NamesThePortThenWhatTheSystemKnowsOfIt)
{
    struct Case {
        const char* product;
        const char* maker;
        const char* label;
    };
    const Case cases[] = {
        {"", "", "ttyUSB0"},
        {"FT232R_USB_UART", "", "ttyUSB0 — FT232R USB UART"},
        {"FT232R USB UART", "FTDI", "ttyUSB0 — FT232R USB UART (FTDI)"},
        {"", "Prolific", "ttyUSB0 — Prolific"},
        // The maker is not said twice.
        {"FTDI  FT232R", "ftdi", "ttyUSB0 — FTDI FT232R"},
        {"  ", " ", "ttyUSB0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(portLabel(QStringLiteral("ttyUSB0"),
                            {QString::fromUtf8(c.product), QString::fromUtf8(c.maker)}),
                  QString::fromUtf8(c.label))
            << c.product << " / " << c.maker;
    EXPECT_TRUE(isTypedPort(QStringLiteral("/dev/pts/3")));
    EXPECT_FALSE(isTypedPort(QStringLiteral("ttyUSB0")));
}
