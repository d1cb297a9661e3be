#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <cstdlib>

#include "app/Startup.h"
#include "forms/Windows.h"
#include "forms/frmMain.h"
#include "forms/frmNagScreen2.h"
#include "platform/QtPlatform.h"
#include "support/FakePlatform.h"

namespace fortunix {
namespace {

// A program that never ends would fail with this status instead of hanging.
constexpr int kStillRunning = 7;

// Runs the event loop as main() does and ends the process with its status.
[[noreturn]] void RunEventLoopAndExit() {
    QTimer::singleShot(5000, [] { QCoreApplication::exit(kStillRunning); });
    std::exit(QApplication::exec());
}

TEST(QtProcessControlDeathTest, TerminateEndsTheRunningProgramWithItsStatus) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const int status : {0, 3}) {
        EXPECT_EXIT(
            {
                QtProcessControl process;
                QTimer::singleShot(0, [&process, status] { process.Terminate(status); });
                RunEventLoopAndExit();
            },
            ::testing::ExitedWithCode(status), "")
            << status;
    }
}

// The real ending, with every seam but the process recorded: start, leave the main window,
// leave the refer-a-friend window.
[[noreturn]] void StartAndLeaveThroughTheWindows() {
    fakes::FakePlatform fake;
    QtProcessControl process;
    Platform platform{fake.messages, fake.web,     fake.settings,  fake.lock,
                      fake.clock,    fake.random,  process,        fake.frontCall,
                      fake.folders,  fake.dialogs, fake.clipboard, fake.paper};
    InstallPlatform(&platform);
    if (!RunStartup()) {
        std::exit(kStillRunning + 1);
    }
    QTimer::singleShot(0, [] {
        windows::Main().close();
        windows::NagScreen().close();
    });
    RunEventLoopAndExit();
}

TEST(QtProcessControlDeathTest, LeavingTheReferAFriendWindowEndsTheProgramWithStatusZero) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(StartAndLeaveThroughTheWindows(), ::testing::ExitedWithCode(0), "");
}

TEST(QtProcessControl, BeforeTheEventLoopItRecordsTheStatusAndLeavesLoopsAlone) {
    QtProcessControl process;
    EXPECT_FALSE(process.TerminationRequested());

    process.Terminate(0);

    EXPECT_TRUE(process.TerminationRequested());
    EXPECT_EQ(process.ExitStatus(), 0);
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&loop] { loop.exit(4); });
    EXPECT_EQ(loop.exec(), 4) << "a later loop must still run";
}

}  // namespace
}  // namespace fortunix
