#pragma once

#include <QLockFile>
#include <memory>
#include <random>

#include "platform/Platform.h"

namespace fortunix {

class QtMessageBoxes final : public MessageBoxes {
  public:
    MessageAnswer Show(QWidget* parent, const QString& text, MessageIcon icon,
                       MessageButtons buttons) override;
};

// Opens addresses with the desktop's default browser.
class QtWebOpener final : public WebOpener {
  public:
    void Open(const QString& address) override;
};

// Qt's native per-user store: the registry on Windows, ~/.config on Linux.
class QtSettingsStore final : public SettingsStore {
  public:
    QString Read(const QString& application, const QString& section, const QString& key) override;
    void Save(const QString& application, const QString& section, const QString& key,
              const QString& value) override;
};

// A lock file named after the executable in the user's lock folder (PerUserLockFolder). The
// file records its owner's process id, so a copy that crashed never blocks the next start.
class QtInstanceLock final : public InstanceLock {
  public:
    explicit QtInstanceLock(const QString& executableName);
    // The lock file in `folder`; an empty folder means no lock can be had.
    QtInstanceLock(const QString& folder, const QString& executableName);

    // False only when another live copy holds the lock. When no lock can be taken at all (a
    // folder that cannot be written, a full disk), true: the program runs unguarded rather
    // than refusing to start.
    bool TryAcquire() override;
    void Release() override;

  private:
    std::unique_ptr<QLockFile> lockFile_;
};

class QtClock final : public Clock {
  public:
    QDate Today() override;
};

class TimerSeededRandom final : public RandomSource {
  public:
    void SeedFromTimer() override;
    float Draw() override;

  private:
    std::mt19937 engine_;
};

// Ends the event loop with the status; before the loop has started, main() asks
// TerminationRequested() and returns the status without entering it.
class QtProcessControl final : public ProcessControl {
  public:
    void Terminate(int status) override;
    bool TerminationRequested() const { return terminationRequested_; }
    int ExitStatus() const { return exitStatus_; }

  private:
    bool terminationRequested_ = false;
    int exitStatus_ = 0;
};

// Qt's standard locations: the application data and documents folders.
class QtUserFolders final : public UserFolders {
  public:
    QString DataFolder() override;
    QString DocumentsFolder() override;
    QString HomeFolder() override;
};

// The desktop's own file and print dialogs.
class QtDocumentDialogs final : public DocumentDialogs {
  public:
    QString AskSavePath(QWidget* parent, const QString& title, const QString& proposedPath,
                        const QString& filter) override;
    bool ChoosePrinter(QWidget* parent, QPrinter& printer) override;
    bool HasPrinter() override;
};

class QtClipboard final : public Clipboard {
  public:
    void Put(QMimeData* data) override;
};

// The paper of the user's locale: LC_PAPER on Linux, LOCALE_IPAPERSIZE on Windows.
class LocalePaper final : public SystemPaper {
  public:
    std::optional<QPageSize> UsersPaper() override;
};

// The executable's file name without its extension.
QString ExecutableName();

}  // namespace fortunix
