#pragma once

#include <QString>
#include <memory>

#include "platform/Platform.h"

class QLocalServer;

namespace fortunix {

// Where the running copy of `executableName` answers calls, for the lock folder `lockFolder`
// (PerUserLockFolder) of the user: on Linux a socket in that folder, which only the user can
// enter; on Windows a named pipe named after the folder and the user's logon session. Empty
// when the user has no lock folder: no call can be made then.
QString FrontCallAddress(const QString& lockFolder, const QString& executableName);

// A local socket (a named pipe on Windows) per user and executable, open to the user alone.
class QtFrontCall final : public FrontCall {
  public:
    explicit QtFrontCall(const QString& executableName);
    // Calls answered at FrontCallAddress(lockFolder, executableName).
    QtFrontCall(const QString& lockFolder, const QString& executableName);
    ~QtFrontCall() override;

    // Needs the event loop to run. Only the holder of the single-instance lock answers, so a
    // socket file that a copy which crashed left behind is replaced (Qt makes the socket
    // beside it and renames it into place).
    void AnswerCalls(std::function<void()> comeToFront) override;
    bool CallRunningCopy() override;

  private:
    QString address_;
    std::unique_ptr<QLocalServer> server_;
};

}  // namespace fortunix
