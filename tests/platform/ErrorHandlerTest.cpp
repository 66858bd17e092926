#include "TestPlatform.h"
#include "platform/ErrorHandler.h"
#include "platform/PlatformError.h"

#include <gtest/gtest.h>

using namespace brivel;

TEST(ErrorHandler, ShowsTheErrorTextAndSkipsTheRestOfTheHandler)
{
    test::ScriptedDialogs dialogs;
    bool restRan = false;
    const bool completed = runHandler(dialogs, [&] {
        throw PlatformError(QStringLiteral("Unable to open com port (win error code: 2)"));
        restRan = true;
    });
    EXPECT_FALSE(completed);
    EXPECT_FALSE(restRan);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, test::ScriptedDialogs::Kind::Error);
    EXPECT_EQ(dialogs.shown()[0].text,
              QStringLiteral("Unable to open com port (win error code: 2)"));
}

TEST(ErrorHandler, AHandlerThatSucceedsShowsNothing)
{
    test::ScriptedDialogs dialogs;
    EXPECT_TRUE(runHandler(dialogs, [] {}));
    EXPECT_TRUE(dialogs.shown().empty());
}
