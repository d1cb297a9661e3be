#include "forms/ExitHandOff.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "forms/Windows.h"
#include "shell/Shutdown.h"
#include "support/FakePlatform.h"
#include "support/LoadedWindows.h"

namespace fortunix {
namespace {

using test_support::LoggingWindow;

// The exit hand-off of a window closed by ExitApplication's sweep.
class ExitHandOffDuringExit : public ::testing::Test {
  protected:
    void TearDown() override { test_support::UnloadAllWindows(); }
    fakes::FakePlatform fake;
    QStringList closed;
};

TEST_F(ExitHandOffDuringExit, LoadsNoWindow) {
    new LoggingWindow(QStringLiteral("main"), closed, [] { RunExitHandOff(); });

    ExitApplication();

    EXPECT_EQ(closed, QStringList{"main"});
    EXPECT_FALSE(windows::IsNagScreenLoaded());
    EXPECT_EQ(fake.process.statuses, std::vector<int>{0});
}

TEST_F(ExitHandOffDuringExit, TheHiddenExitWindowIsClosedToo) {
    new LoggingWindow(QStringLiteral("main"), closed, [] { RunExitHandOff(); });
    HideExitWindow();

    ExitApplication();

    test_support::ProcessDeferredDeletes();
    EXPECT_FALSE(windows::IsNagScreenLoaded());
    EXPECT_EQ(fake.process.statuses, std::vector<int>{0});
}

}  // namespace
}  // namespace fortunix
