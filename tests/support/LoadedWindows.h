#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>

namespace fortunix::test_support {

// A loaded window (in the registry of loaded windows) that logs its name when it closes and
// runs `onClose` from its close handler, as the program's windows run theirs.
class LoggingWindow : public QWidget {
  public:
    LoggingWindow(QString name, QStringList& log, std::function<void()> onClose = {});

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QString name_;
    QStringList& log_;
    std::function<void()> onClose_;
};

// Runs the deletions that closed windows have asked for, so that a closed window is gone.
void ProcessDeferredDeletes();

// Unloads every window without running a close handler, so the next test starts with none.
void UnloadAllWindows();

}  // namespace fortunix::test_support
