#include "shell/Shutdown.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "shell/WindowRegistry.h"
#include "support/FakePlatform.h"
#include "support/LoadedWindows.h"

namespace fortunix {
namespace {

using test_support::LoggingWindow;

class ExitApplicationTest : public ::testing::Test {
  protected:
    void TearDown() override { test_support::UnloadAllWindows(); }
    fakes::FakePlatform fake;
    QStringList closed;
};

TEST_F(ExitApplicationTest, ClosesEveryLoadedWindowInLoadOrderThenTerminatesOnce) {
    auto* first = new LoggingWindow(QStringLiteral("first"), closed);
    new LoggingWindow(QStringLiteral("second"), closed);
    new LoggingWindow(QStringLiteral("third"), closed);
    first->show();

    ExitApplication();

    EXPECT_EQ(closed, (QStringList{"first", "second", "third"}));
    EXPECT_EQ(fake.process.statuses, std::vector<int>{0});
    test_support::ProcessDeferredDeletes();
    EXPECT_TRUE(windows::Loaded().isEmpty());
}

TEST_F(ExitApplicationTest, CloseHandlerCallingItAgainDoesNotRestartTheSweep) {
    new LoggingWindow(QStringLiteral("main"), closed);
    new LoggingWindow(QStringLiteral("leaving"), closed, [] { ExitApplication(); });
    new LoggingWindow(QStringLiteral("last"), closed);

    ExitApplication();

    EXPECT_EQ(closed, (QStringList{"main", "leaving", "last"}));
    EXPECT_EQ(fake.process.statuses, std::vector<int>{0});
}

}  // namespace
}  // namespace fortunix
