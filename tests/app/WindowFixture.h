#pragma once

#include "QtPrinters.h"
#include "ScriptedReportDialogs.h"
#include "ScriptedReviewDialog.h"
#include "TestPlatform.h"
#include "TestSerialPort.h"
#include "VirtualClock.h"
#include "app/TBrivel.h"

#include <gtest/gtest.h>

#include <memory>

namespace brivel::test {

// A window on a test platform and a port of the test's choice.
class WindowFixture : public ::testing::Test {
protected:
    WindowFixture()
    {
        platform.clock = &clock;
        platform.dialogs = &dialogs;
        platform.settings = &store;
        platform.urls = &urls;
    }

    // The window goes before the ports that derived fixtures own.
    void TearDown() override { window.reset(); }

    TBrivel& open(SerialPort& port, WindowOptions options = {})
    {
        if (options.screenWidth == 0)
            options.screenWidth = 1280;
        if (!options.reviewDialog)
            options.reviewDialog = &review;
        if (!options.reportDialogs)
            options.reportDialogs = &reportDialogs;
        window.reset();
        window = std::make_unique<TBrivel>(platform, port, options);
        return *window;
    }

    template <typename T>
    T* control(const char* name) const
    {
        return window->findChild<T*>(QLatin1String(name));
    }

    VirtualClock clock;
    ScriptedDialogs dialogs;
    ScriptedReviewDialog review;
    ScriptedReportDialogs reportDialogs;
    MemorySettingsStore store;
    RecordingUrlOpener urls;
    Platform platform;
    std::unique_ptr<TBrivel> window;
};

}  // namespace brivel::test
