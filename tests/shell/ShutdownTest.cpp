#include "shell/Shutdown.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QStringList>
#include <functional>

#include "forms/ExitHandOff.h"
#include "forms/Windows.h"
#include "forms/frmNagScreen2.h"
#include "shell/ShellTestSupport.h"
#include "support/FakePlatform.h"

namespace fortunix {
namespace {

// A loaded window that logs its close and runs `onClose` from its close handler.
class LoggingWindow : public QWidget {
  public:
    LoggingWindow(QString name, QStringList& log, std::function<void()> onClose = {})
        : name_(std::move(name)), log_(log), onClose_(std::move(onClose)) {
        setAttribute(Qt::WA_DeleteOnClose);
        windows::RegisterLoaded(this);
    }

  protected:
    void closeEvent(QCloseEvent* event) override {
        log_.append(name_);
        if (onClose_) {
            onClose_();
        }
        event->accept();
    }

  private:
    QString name_;
    QStringList& log_;
    std::function<void()> onClose_;
};

class ExitApplicationTest : public ::testing::Test {
  protected:
    void TearDown() override { testing::UnloadAllWindows(); }
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
    testing::ProcessDeferredDeletes();
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

TEST_F(ExitApplicationTest, HandOffDuringTheSweepLoadsNoWindow) {
    new LoggingWindow(QStringLiteral("main"), closed, [] { RunExitHandOff(); });

    ExitApplication();

    EXPECT_EQ(closed, QStringList{"main"});
    EXPECT_FALSE(windows::IsNagScreenLoaded());
    EXPECT_EQ(fake.process.statuses, std::vector<int>{0});
}

TEST_F(ExitApplicationTest, ClosesTheHiddenExitWindowWhoseHandlerCallsItAgain) {
    new LoggingWindow(QStringLiteral("main"), closed, [] { RunExitHandOff(); });
    HideExitWindow();

    ExitApplication();

    testing::ProcessDeferredDeletes();
    EXPECT_FALSE(windows::IsNagScreenLoaded());
    EXPECT_EQ(fake.process.statuses, std::vector<int>{0});
}

}  // namespace
}  // namespace fortunix
