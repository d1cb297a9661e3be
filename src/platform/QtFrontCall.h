#pragma once

#include <QString>
#include <memory>

#include "platform/Platform.h"

class QFileSystemWatcher;

namespace fortunix {

// The folder where later starts of `executableName` leave their calls for the running copy,
// inside the user's lock folder `lockFolder` (PerUserLockFolder), which only the user can
// enter. Empty when the user has no lock folder: no call can be made then.
QString FrontCallAddress(const QString& lockFolder, const QString& executableName);

// Calls as files: a refused start leaves a file in the call folder and waits for the running
// copy, which watches that folder, to take it away once its window is in front. Qt Core alone
// serves, so a start loads no network library.
class QtFrontCall final : public FrontCall {
  public:
    explicit QtFrontCall(const QString& executableName);
    // Calls answered in FrontCallAddress(lockFolder, executableName).
    QtFrontCall(const QString& lockFolder, const QString& executableName);
    ~QtFrontCall() override;

    // Needs the event loop to run. Only the holder of the single-instance lock answers, so a
    // call that a killed start left behind is answered by the next copy that runs.
    void AnswerCalls(std::function<void()> comeToFront) override;
    bool CallRunningCopy() override;

  private:
    QString address_;
    std::unique_ptr<QFileSystemWatcher> watcher_;
};

}  // namespace fortunix
