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
